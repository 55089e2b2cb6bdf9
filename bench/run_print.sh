#!/usr/bin/env bash
# Printing a 9,999-line list to PDF through the program's print path, against a bare QPainter
# loop on a QPrinter in the same face, and against paps piped to ps2pdf, all on the same lines.
set -euo pipefail
bin=${VREL_BENCH_BIN:?set VREL_BENCH_BIN to the bench directory of a Release build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! QT_QPA_PLATFORM=offscreen "$bin/vrel-bench-print" "$work" 5 > "$work/qt.txt" 2> "$work/qt.err"; then
  cat "$work/qt.err" >&2
  exit 1
fi
value() { sed -n "s/^$1=//p" "$work/qt.txt"; }

start=$(date +%s.%N)
paps --font="IPAMincho 12" "$work/lines.txt" 2>/dev/null | ps2pdf - "$work/paps.pdf"
end=$(date +%s.%N)
paps_seconds=$(echo "$end $start" | awk '{ printf "%.3f", $1 - $2 }')
paps_bytes=$(stat -c %s "$work/paps.pdf")

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

awk -v ps="$(value print_seconds)" -v pb="$(value print_bytes)" -v pp="$(pages "$work/print.pdf")" \
    -v ms="$(value minimal_seconds)" -v mb="$(value minimal_bytes)" -v mp="$(pages "$work/minimal.pdf")" \
    -v as="$paps_seconds" -v ab="$paps_bytes" -v ap="$(pages "$work/paps.pdf")" -v n="$(value lines)" '
BEGIN {
  printf "%d lines, median of 5 for print and minimal loop, one paps run\n", n
  printf "print:         %8.3f s %8.2f MB %4d pages\n", ps, pb / 1e6, pp
  printf "minimal loop:  %8.3f s %8.2f MB %4d pages\n", ms, mb / 1e6, mp
  printf "paps | ps2pdf: %8.3f s %8.2f MB %4d pages\n", as, ab / 1e6, ap
  printf "print / minimal loop: %.2f\n", ps / ms
  printf "print / paps: %.2f\n", ps / as
  printf "print / minimal loop size: %.2f\n", pb / mb
  printf "print / paps size: %.2f\n", pb / ab
}'
