# The program's windows on an X display, found by caption and worked from the keyboard; sourced.
# Captions of the main window and of a message box; the keys from the pattern box to the file
# output button.
M="^VREL's File Print\$" B="^VREL's FILEPRINT\$" tabs="Tab Tab Tab Tab Tab Tab"
# A window manager, as a desktop has.
openbox --sm-disable >/dev/null 2>&1 &
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits up to $2 seconds (10) for a shown window captioned $1, and prints its id.
window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
# Wine takes the focus from the window manager, not from a bare focus change.
keys() { xdotool windowactivate --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
# Sets x y w h to window $1's place and size on the screen, and says whether it lies in the middle,
# within a pixel (the program works the centre out in floating point), with a caption $2 pixels
# high above it that is no part of it.
placed() { read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left/ || /^  (Width|Height)/ {printf "%s ", $NF} END {print ""}'); read -r sw sh < <(xdotool getdisplaygeometry); [ $(((x - (sw - w) / 2) ** 2 + (y - $2 - (sh - h - $2) / 2) ** 2)) -le 2 ]; }
# Window $1 is gone within 5 seconds.
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0; sleep 0.1; done; false; }
# The program's message box comes up within $T seconds (10), and the keys given close it.
box() { b=$(window "$B" "${T:-}") || fail "$1 showed no message"; keys "$b" "${@:2}"; gone "$b" || fail "$1: the message stayed"; }
# Keys $2... and Enter to window $1, whose export asks and then says how it went.
exported() { keys "$1" "${@:2}" Return && box "export" Return && box "export" Return; }
