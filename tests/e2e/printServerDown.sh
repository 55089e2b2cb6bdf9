#!/usr/bin/env bash
# A print server that takes connections and never answers: the window still comes up at once,
# and printing gives up with its message instead of hanging. Run under xvfb-run.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
window() { for _ in $(seq "$2"); do id=$(shown "$1") && [ -n "$id" ] && { echo "$id"; return; }; sleep 0.05; done; return 1; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 50 "$@"; }

export XDG_RUNTIME_DIR=$work/run CUPS_SERVER=$work/cups.sock
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/files" && touch "$work/files/a.txt"
socat -u UNIX-LISTEN:"$CUPS_SERVER",fork OPEN:/dev/null &
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done

cd "$work/files"
start=$(date +%s%N)
"$program" &
main=$(window "^VREL's File Print\$" 40) || fail "no main window"
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$took" -le 1000 ] || fail "the window took $took ms"
echo "ok - the window comes up while the print server says nothing"

keys "$main" Return ctrl+p
box=$(window "^VREL's FILEPRINT\$" 200) || fail "printing never gave up"
keys "$box" Return
for _ in $(seq 50); do [ -z "$(shown "^VREL's FILEPRINT\$")" ] && break; sleep 0.1; done
[ -z "$(shown "^VREL's FILEPRINT\$")" ] || fail "Enter did not close the message"
echo "ok - printing ends on its abort path"

keys "$main" ctrl+v
window "^VREL's FILEPRINT\$" 100 >/dev/null || fail "the program no longer answers"
echo "ok - the program goes on"
