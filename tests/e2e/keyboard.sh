#!/usr/bin/env bash
# The program as a person meets it: a real window on an X display, driven by the keyboard.
# Run under xvfb-run; the first argument is the program.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/files" && touch "$work/files/a.txt" "$work/files/b.doc"
cd "$work/files"

# Waits for a window whose name matches, prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
keys() { xdotool windowfocus --sync "$main" 2>/dev/null || true; xdotool key --delay 50 "$@"; }

"$program" &
pid=$!
main=$(window "^VREL's File Print\$") || fail "no main window"

# Fixed size, centred on the screen (the screen here is 1280 x 1024).
eval "$(xdotool getwindowgeometry --shell "$main")"
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
dpi=96 # Qt's logical DPI on an X display that sets no Xft.dpi, as Xvfb does not
ew=$(( (8800 * dpi + 720) / 1440 )); eh=$(( (7000 * dpi + 720) / 1440 ))
[ "$WIDTH" -eq "$ew" ] && [ "$HEIGHT" -eq "$eh" ] || fail "window is ${WIDTH}x${HEIGHT}, wanted ${ew}x${eh}"
[ $(( X - (sw - WIDTH) / 2 )) -ge -1 ] && [ $(( X - (sw - WIDTH) / 2 )) -le 1 ] || fail "not centred across: x=$X"
[ $(( Y - (sh - HEIGHT) / 2 )) -ge -1 ] && [ $(( Y - (sh - HEIGHT) / 2 )) -le 1 ] || fail "not centred down: y=$Y"
echo "ok - main window ${WIDTH}x${HEIGHT} at $X,$Y"

# A second copy leaves at once and shows nothing.
timeout 10 "$program" || fail "second copy did not leave quietly"
[ "$(xdotool search --onlyvisible --name "^VREL's File Print\$" | wc -l)" -eq 1 ] || fail "a second window appeared"
echo "ok - second copy left silently"

# Ctrl+V in the pattern box shows the version message, not a paste; Enter closes it.
keys ctrl+v
box=$(window "^VREL's FILEPRINT\$") || fail "Ctrl+V showed no version message"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
gone "^VREL's FILEPRINT\$" || fail "Enter did not close the version message"
echo "ok - Ctrl+V shows the version message, Enter closes it"

# An empty pattern confirmed with Enter asks for one; Escape (Cancel) closes the box.
keys ctrl+a BackSpace Return
box=$(window "^VREL's FILEPRINT\$") || fail "an empty pattern gave no message"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Escape
gone "^VREL's FILEPRINT\$" || fail "Escape did not close the message"
echo "ok - empty pattern asks for a pattern"

# Ctrl+X ends the program.
keys ctrl+x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+X did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=
echo "ok - Ctrl+X ends the program"
echo "5 passed, 0 failed"
