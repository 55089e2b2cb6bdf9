#!/usr/bin/env bash
# The program as a person meets it: a real window on an X display with a window manager, driven
# by the keyboard, printing to a print server of the test's own. Run under xvfb-run; the first
# argument is the program.
set -euo pipefail
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/cups/start.sh" "$work/cups"

# The program as a portable copy, its read-me data file beside it holding nothing but the marker.
mkdir -p "$work/bin" "$work/files" && mkdir -m 700 "$work/run"
cp "$1" "$work/bin/" && printf 'zeqa\r\n' >"$work/bin/VREL02.vrl"
program=$work/bin/$(basename "$1")
export XDG_RUNTIME_DIR=$work/run HOME=$work
touch -d '1997-10-21 09:05:03' "$work/files/a.txt" "$work/files/b.doc"
cd "$work/files"

window() { # waits for a visible window whose name matches, prints its id
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
    sleep 0.1
  done
  return 1
}
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done; return 1; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 50 "$@"; }
box() { # the program's message box comes up, and the keys given close it
  local id; id=$(window "^VREL's FILEPRINT\$") || fail "$1 showed no message"; shift
  keys "$id" "$@"
  for _ in $(seq 50); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0; sleep 0.1; done
  fail "the message stayed"
}
jobs_now() { ls "$work/cups/jobs" | grep -c 'pdf$' || true; }

openbox --sm-disable >/dev/null 2>&1 &
sleep 1
"$program" &
pid=$!
main=$(window "^VREL's File Print\$") || fail "no main window"

# 8800 x 7000 twips outside, the frame the window manager adds included, in the middle of the screen.
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
ew=587 eh=467 # at the 96 dots an inch of an X display that sets no Xft.dpi, as Xvfb does not
outer() {
  local x y w h l r t b
  read -r x y w h < <(xwininfo -id "${1:-$main}" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "${1:-$main}" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
centred() {
  local X Y W H
  read -r X Y W H < <(outer "${1:-$main}")
  [ "$W" -eq "$ew" ] && [ "$H" -eq "$eh" ] && [ $((X - (sw - W) / 2)) -ge -1 ] && [ $((X - (sw - W) / 2)) -le 1 ] &&
    [ $((Y - (sh - H) / 2)) -ge -1 ] && [ $((Y - (sh - H) / 2)) -le 1 ]
}
settle() { for _ in $(seq 30); do "$@" && return 0; sleep 0.1; done; return 1; }
settle centred || fail "main window is $(outer), wanted ${ew}x${eh} in the middle of ${sw}x${sh}"
xdotool windowsize "$main" 300 200
settle centred || fail "after a resize the window is $(outer)"
xdotool windowmove "$main" 20 30 && sleep 0.5
[ "$(outer | cut -d' ' -f1)" -ne $(((sw - ew) / 2)) ] || fail "a moved window jumped back to the centre"
echo "ok - the main window is ${ew}x${eh} outside and centred; a resize springs back, a move stays"

timeout 10 "$program" || fail "a second copy did not leave quietly"
[ "$(xdotool search --onlyvisible --name "^VREL's File Print\$" | wc -l)" -eq 1 ] || fail "a second window appeared"
echo "ok - a second copy leaves silently"

# The focus starts in the pattern box; the menu's Ctrl keys win over its cut and paste.
keys "$main" ctrl+v && box "Ctrl+V" Return
keys "$main" ctrl+a space semicolon Return && box "a blank pattern" Escape
echo "ok - Ctrl+V shows the version, a blank pattern asks for one"

# The read-me window opens over the main window, though that was moved; with nothing to print,
# printing it sends nothing to the printer and says nothing.
keys "$main" ctrl+r
readme=$(window "^お読み下さい\$") || fail "Ctrl+R opened no read-me window"
settle centred "$readme" || fail "the read-me window is $(outer "$readme")"
keys "$readme" Tab Tab Return && box "printing the read-me" Return
keys "$(window '^印刷$')" Return && sleep 2
[ "$(jobs_now)" -eq 0 ] || fail "an empty read-me reached the printer"
keys "$readme" shift+Tab shift+Tab Return
gone "^お読み下さい\$" || fail "the read-me window did not close"
echo "ok - the read-me window opens centred, prints nothing when it holds nothing, and closes"

# Enter lists; Enter on a focused button presses it: the list file on disk, the list on paper.
keys "$main" ctrl+a asterisk period asterisk Return Tab Tab Tab Tab Tab Tab Return && box "export" Return
box "export" Return
printf '%s\r\n' "VREL's file print " "$(printf '%057d' 0 | tr 0 -)" "Directory : $work/files" "File Type : *.*" \
  "$(printf '%057d' 0 | tr 0 -)" "a     .txt  0 97-10-21 09:05:03" "b     .doc  0 97-10-21 09:05:03" \
  "$(printf '%057d' 0 | tr 0 -)" "Total(2)    0" >"$work/expected.txt"
cmp "$work/expected.txt" VREL_FILE_LIST.TXT || fail "the list file differs"
keys "$main" shift+Tab shift+Tab shift+Tab Return
keys "$(window '^印刷$')" Return
for _ in $(seq 300); do [ "$(jobs_now)" -eq 1 ] && break; sleep 0.1; done
# The paper's columns are checked where the print is made; here, that the words reached the queue.
words() { tr -d '\r\f' | tr -s ' ' | sed 's/^ //; s/ $//; /^$/d'; }
pdftotext -layout "$work"/cups/jobs/*.pdf - | words | diff - <(words <"$work/expected.txt") || fail "the printed list differs"
echo "ok - Enter on the focused buttons writes the list file and prints the list"

# The listed directory goes away: Enter in the pattern box says so.
rm -rf "$work/files"
keys "$main" Tab Tab Tab Tab Tab Return && box "a vanished directory" Return
echo "ok - a vanished directory is reported"

# A copy that died leaves its lock behind, which keeps nobody out; Ctrl+X ends the program.
kill -9 "$pid" && wait "$pid" 2>/dev/null || true
"$program" &
pid=$!
main=$(window "^VREL's File Print\$") || fail "no window after a copy died"
keys "$main" ctrl+x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+X did not end the program"
echo "ok - a dead copy keeps nobody out; Ctrl+X ends the program"
