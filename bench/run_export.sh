#!/usr/bin/env bash
# The export command on a 9,999-line list, as TXT and as CSV, against iconv converting a
# UTF-8 file of the same size to code page 932 as a whole process, the two in turns.
set -euo pipefail
bin=${VREL_BENCH_BIN:?VREL_BENCH_BIN must point at the bench build directory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/vrel-bench-export" "$work" 21 >"$work/export.txt" 2>"$work/export.log" ||
  { cat "$work/export.log" >&2; exit 1; }

while read -r format export_ms iconv_ms bytes; do
  echo "export $format: ${export_ms} ms, iconv: ${iconv_ms} ms, ${bytes} bytes" >&2
  awk -v f="$format" -v e="$export_ms" -v i="$iconv_ms" 'BEGIN { printf "export %s / iconv: %.1f\n", f, e / i }'
done <"$work/export.txt"
