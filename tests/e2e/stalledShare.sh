#!/usr/bin/env bash
# A file server that stops answering, as a person meets it: a directory mounted through FUSE
# (bindfs) whose daemon is then stopped, so that every call on it waits for good. The program in
# the build tree ($1), started on the share, must come up at once all the same, answer the
# keyboard while it waits on the share, give up with its message, and end at once when asked; a
# second start hands a file of the share over without a look at it; a script on the share gives
# up with the same words and an exit code of its own. Run under xvfb-run, as root (mounting
# through FUSE needs it here).
set -euo pipefail
program=$1/vrel-fileprint work=$(mktemp -d) daemon= status=0
s=$work/files/share
source "$(dirname "$0")/keyboard.sh"
# Whatever happened: the daemon resumed, the share unmounted, nothing of ours left running.
trap 'set +e; { kill -CONT $daemon; fusermount3 -u -z "$s" || umount -l "$s"; kill $(jobs -p); wait; } 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/share" "$s" "$work/run" && chmod 700 "$work/run"
touch "$work/share/a.txt" "$work/files/b.txt"
bindfs "$work/share" "$s" || fail "bindfs could not mount (is /dev/fuse there?)"
daemon=$(pgrep -n -f "bindfs $work/share") || fail "no bindfs process"
kill -STOP "$daemon"

said=$(timeout 30 "$program" --export txt "$s" 2>&1 >/dev/null) || status=$?
[ $status = 10 ] || fail "a script on the stopped share: exit $status, not 10"
[ "$said" = "10 秒待ちましたが応答がありません: $s" ] || fail "the script said: $said"

cd "$work/files"
export XDG_RUNTIME_DIR=$work/run HOME=$work CUPS_SERVER=$s/cups.sock
began=${EPOCHREALTIME/.}
"$program" "$s" & pid=$!
main=$(window "$M") || fail "no window started on a stopped share"
took=$(((${EPOCHREALTIME/.} - began) / 1000))
[ $took -le 1000 ] || fail "$took ms to a window with a stopped share"

# The window waits on the share it was started on.
sleep 1
# Meanwhile the window answers: Ctrl+V shows the version, Enter closes it.
keys "$main" ctrl+v
T=3 box "Ctrl+V while the window waited on the share" Return
# Then it gives up with its message (the limit is 10 seconds), and goes on where it was.
T=15 box "waiting on the share" Return
kill -0 $pid || fail "the program ended"
# Printing this folder's list waits on the print server, whose socket is on the share, and gives
# up: its message, then the abort's.
keys "$main" Return && sleep 1 && keys "$main" ctrl+p
T=15 box "printing to a server on the share" Return
T=5 box "the abort of printing to a server on the share" Return

# Waiting on the share once more, for a file of it handed over, closing the window ends the
# program at once.
timeout 5 "$program" "$s/a.txt" || fail "no hand-over of a stopped share's file"
sleep 1
keys "$main" alt+F4
timeout 3 tail --pid=$pid -f /dev/null || fail "closed while waiting, the program went on"
echo ok
