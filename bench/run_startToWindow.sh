#!/usr/bin/env bash
# Start to window of the program against a bare Qt window, started alternately in one run,
# median of 15 each, from a directory of a few files and subdirectories.
set -euo pipefail
bin=${VREL_BENCH_BIN:?set VREL_BENCH_BIN to the bench directory of a Release build}
program=$(realpath "$bin/../vrel-fileprint")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files/sub1" "$work/files/sub2" "$work/run"
chmod 700 "$work/run"
for i in $(seq 20); do echo "$i" > "$work/files/file$i.txt"; done
cd "$work/files"
export XDG_RUNTIME_DIR=$work/run

measure=("$bin/vrel-bench-start-to-window" 15 "$program" "$bin/vrel-bench-bare-window")
if [ -z "${DISPLAY:-}" ]; then
  measure=(xvfb-run -a -s "-screen 0 1280x1024x24" "${measure[@]}")
fi
"${measure[@]}" > "$work/times.txt"
value() { sed -n "s/^$1=//p" "$work/times.txt"; }
awk -v a="$(value a_ms)" -v b="$(value b_ms)" 'BEGIN {
  printf "start to window (median of 15): %.1f ms\n", a
  printf "bare Qt window (median of 15): %.1f ms\n", b
  printf "start to window / bare Qt window: %.2f\n", a / b
}'
