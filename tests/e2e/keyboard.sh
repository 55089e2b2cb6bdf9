# The program's windows on an X display, found by caption and worked from the keyboard; sourced.
fail() { echo "FAIL: $*" >&2; exit 1; }
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; } # waits, prints its id
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
box() { # the program's message box comes up, and the keys given close it
  local id; id=$(window "^VREL's FILEPRINT\$") || fail "$1 showed no message"
  keys "$id" "${@:2}"
  for _ in $(seq 50); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0; sleep 0.1; done
  fail "the message stayed"
}
