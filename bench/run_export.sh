#!/usr/bin/env bash
# The export command on a 9,999-line list, as TXT and as CSV, against iconv converting a
# UTF-8 file of the same size to code page 932 as a whole process.
set -euo pipefail
bin=${VREL_BENCH_BIN:?VREL_BENCH_BIN must point at the bench build directory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

runs=21
"$bin/vrel-bench-export" "$work" "$runs" >"$work/export.txt" 2>"$work/export.log" ||
  { cat "$work/export.log" >&2; exit 1; }

median_ms() {
  grep -o '"median": *[0-9.e+-]*' "$1" | head -1 | sed 's/.*: *//' | awk '{ printf "%.6f", $1 * 1000 }'
}

while read -r format export_ms bytes; do
  hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/iconv-$format.json" \
    "iconv -f UTF-8 -t CP932 -o $work/out-$format.txt $work/iconv-$format.txt" >/dev/null 2>"$work/hyperfine.log" ||
    { cat "$work/hyperfine.log" >&2; exit 1; }
  iconv_ms=$(median_ms "$work/iconv-$format.json")
  echo "export $format: ${export_ms} ms, iconv: ${iconv_ms} ms, ${bytes} bytes" >&2
  awk -v f="$format" -v e="$export_ms" -v i="$iconv_ms" 'BEGIN { printf "export %s / iconv: %.1f\n", f, e / i }'
done <"$work/export.txt"
