#!/usr/bin/env bash
# A file server that stops answering, as a person meets it: a directory mounted through FUSE
# (bindfs) whose daemon is then stopped, so that every call on it waits for good. The program in
# the build tree ($1), started on the share, must come up at once all the same, answer the
# keyboard while it waits on the share, give up with its message, and end at once when asked; a
# second start hands a file of the share over without a look at it; a script on the share gives
# up with the same words and an exit code of its own. Run under xvfb-run, as root (mounting
# through FUSE needs it here).
set -euo pipefail
program=$1/vrel-fileprint
work=$(mktemp -d)
daemon=
cleanup() {
  # Whatever happened: the daemon resumed, the share unmounted, nothing of ours left running.
  [ -n "$daemon" ] && kill -CONT "$daemon" 2>/dev/null
  fusermount3 -u -z "$work/files/share" 2>/dev/null || umount -l "$work/files/share" 2>/dev/null || true
  kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
gone() { for _ in $(seq "$2"); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0; sleep 0.1; done; return 1; }

mkdir -p "$work/share" "$work/files/share" "$work/run" && chmod 700 "$work/run"
touch "$work/share/a.txt" "$work/files/b.txt"
bindfs "$work/share" "$work/files/share" || fail "bindfs could not mount (is /dev/fuse there?)"
daemon=$(pgrep -n -f "bindfs $work/share") || fail "no bindfs process"
ls "$work/files/share" | grep -qx a.txt || fail "the share does not show its file"
kill -STOP "$daemon"

status=0
said=$(timeout 30 "$program" --export txt "$work/files/share" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 10 ] || fail "a script on the stopped share ended with $status, not 10"
[ "$said" = "10 秒待ちましたが応答がありません: $work/files/share" ] || fail "a script on the stopped share said: $said"

openbox --sm-disable >/dev/null 2>&1 &
sleep 1
cd "$work/files"
export XDG_RUNTIME_DIR=$work/run HOME=$work CUPS_SERVER=$work/files/share/cups.sock
began=$(date +%s%N)
"$program" "$work/files/share" & pid=$!
main=$(window "^VREL's File Print\$") || fail "no main window when started on a stopped share"
took=$((($(date +%s%N) - began) / 1000000))
[ "$took" -le 1000 ] || fail "the window took $took ms with a stopped share mounted"

# The window waits on the share it was started on.
sleep 1
# Meanwhile the window answers: Ctrl+V shows the version, Enter closes it.
keys "$main" ctrl+v
box=$(window "^VREL's FILEPRINT\$" 3) || fail "the window did not answer Ctrl+V while it waited on the share"
keys "$box" Return
gone "$box" 30 || fail "the version box stayed"
# Then it gives up with its message (the limit is 10 seconds), and goes on where it was.
box=$(window "^VREL's FILEPRINT\$" 15) || fail "no message after waiting on the share"
keys "$box" Return
gone "$box" 30 || fail "the message stayed"
kill -0 "$pid" || fail "the program ended"
# Printing this folder's list waits on the print server, whose socket is on the share, and gives
# up: its message, then the abort's.
keys "$main" Return && sleep 1 && keys "$main" ctrl+p
box=$(window "^VREL's FILEPRINT\$" 15) && keys "$box" Return && gone "$box" 30 &&
  box=$(window "^VREL's FILEPRINT\$" 5) && keys "$box" Return && gone "$box" 30 || fail "printing to a server on the share gave up without its messages"

# Waiting on the share once more, for a file of it handed over, closing the window ends the
# program at once.
timeout 5 "$program" "$work/files/share/a.txt" || fail "a second start did not hand over a file of the stopped share"
sleep 1
keys "$main" alt+F4
for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "closing the window while it waited did not end the program"
echo "ok - a stopped share: a script gave up with exit code 10, window at once ($took ms), keyboard answered, gave up with a message, closed at once"
