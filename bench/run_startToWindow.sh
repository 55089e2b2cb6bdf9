#!/usr/bin/env bash
# Start to window of the program against a bare Qt window, started alternately in one run,
# median of 15 each, from a directory of a few files and subdirectories; then, the same way,
# against a Qt window that shows one line of Japanese, which is what fonts alone cost.
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

run() { # program yardstick: prints a_ms and b_ms
  local measure=("$bin/vrel-bench-start-to-window" 15 "$program" "$1")
  [ -n "${DISPLAY:-}" ] || measure=(xvfb-run -a -s "-screen 0 1280x1024x24" "${measure[@]}")
  "${measure[@]}"
}
value() { sed -n "s/^$1=//p" "$2"; }
run "$bin/vrel-bench-bare-window" >"$work/bare.txt"
run "$bin/vrel-bench-text-window" >"$work/text.txt"
awk -v a="$(value a_ms "$work/bare.txt")" -v b="$(value b_ms "$work/bare.txt")" \
    -v a2="$(value a_ms "$work/text.txt")" -v t="$(value b_ms "$work/text.txt")" 'BEGIN {
  printf "start to window (median of 15): %.1f ms\n", a
  printf "bare Qt window (median of 15): %.1f ms\n", b
  printf "start to window / bare Qt window: %.2f\n", a / b
  printf "start to window, second run (median of 15): %.1f ms\n", a2
  printf "Qt window with one line of Japanese (median of 15): %.1f ms\n", t
  printf "start to window / Qt window with one line of Japanese: %.2f\n", a2 / t
  printf "Qt window with one line of Japanese / bare Qt window: %.2f\n", t / b
}'
