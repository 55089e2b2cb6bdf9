# The program's windows on an X display, found by caption and worked from the keyboard; sourced.
M="^VREL's File Print\$" B="^VREL's FILEPRINT\$"
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits up to $2 seconds (10) for a shown window captioned $1, and prints its id.
window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
# x y width height of window $1 on the screen.
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left/ || /^  (Width|Height)/ {printf "%s ", $NF} END {print ""}'; }
# Window $1 is gone within 5 seconds.
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0; sleep 0.1; done; false; }
# The program's message box comes up within $T seconds (10), and the keys given close it.
box() { b=$(window "$B" "${T:-}") || fail "$1 showed no message"; keys "$b" "${@:2}"; gone "$b" || fail "$1: the message stayed"; }
# Keys $2... and Enter to window $1, whose export asks and then says how it went.
exported() { keys "$1" "${@:2}" Return && box "export" Return && box "export" Return; }
# From the pattern box to the file output button.
tabs="Tab Tab Tab Tab Tab Tab"
