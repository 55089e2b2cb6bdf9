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

# A window manager, as on a desktop: it adds the frame that the outer size includes.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; cleanup' EXIT
sleep 1

"$program" &
pid=$!
main=$(window "^VREL's File Print\$") || fail "no main window"

read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
dpi=96 # Qt's logical DPI on an X display that sets no Xft.dpi, as Xvfb does not
ew=$(( (8800 * dpi + 720) / 1440 )); eh=$(( (7000 * dpi + 720) / 1440 ))

# The outer rectangle of a window (the main one unless told): the client window grown by the
# frame the window manager reports.
outer() {
  local id=${1:-$main} x y w h l r t b
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo $(( x - ${l:-0} )) $(( y - ${t:-0} )) $(( w + ${l:-0} + ${r:-0} )) $(( h + ${t:-0} + ${b:-0} ))
}
centred() {
  local X Y W H
  read -r X Y W H < <(outer "${1:-$main}")
  [ "$W" -eq "$ew" ] && [ "$H" -eq "$eh" ] || return 1
  [ $(( X - (sw - W) / 2 )) -ge -1 ] && [ $(( X - (sw - W) / 2 )) -le 1 ] || return 1
  [ $(( Y - (sh - H) / 2 )) -ge -1 ] && [ $(( Y - (sh - H) / 2 )) -le 1 ]
}
settle() { for _ in $(seq 30); do "$@" && return 0; sleep 0.1; done; return 1; }

settle centred || fail "main window is $(outer), wanted ${ew}x${eh} in the middle of ${sw}x${sh}"
echo "ok - main window ${ew}x${eh} outside, frame included, centred"

# A dragged border springs back; a dragged title bar leaves the window where it was put.
xdotool windowsize "$main" 300 200
settle centred || fail "after a resize the window is $(outer)"
xdotool windowmove "$main" 20 30
sleep 0.5
read -r X Y _ < <(outer)
[ "$X" -ne $(( (sw - ew) / 2 )) ] || fail "a moved window jumped back to the centre"
echo "ok - resize springs back, a move stays"

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

# Ctrl+R opens the read-me window at the main window's outer size, centred on the screen though
# the main window was moved; the focus is on "閉じる", so Enter closes it at once.
keys ctrl+r
readme=$(window "^お読み下さい\$") || fail "Ctrl+R opened no read-me window"
settle centred "$readme" || fail "read-me window is $(outer "$readme"), wanted ${ew}x${eh} in the middle of ${sw}x${sh}"
xdotool windowfocus --sync "$readme" 2>/dev/null || true
xdotool key Return
gone "^お読み下さい\$" || fail "Enter did not close the read-me window"
xdotool search --onlyvisible --name "^VREL's FILEPRINT\$" >/dev/null 2>&1 && fail "Enter printed instead of closing"
echo "ok - Ctrl+R opens the read-me window ${ew}x${eh} outside, centred; Enter closes it"

# Ctrl+X ends the program.
keys ctrl+x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+X did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=
echo "ok - Ctrl+X ends the program"
echo "7 passed, 0 failed"
