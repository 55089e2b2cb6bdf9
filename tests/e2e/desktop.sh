#!/usr/bin/env bash
# The program as a person gets it and meets it: the Debian package built from this build tree
# ($1) and unpacked, its menu entry checked, and the installed program in a real window on an X
# display with a window manager, driven by the keyboard, printing to a print server of its own.
# Run under xvfb-run.
set -euo pipefail
work=$(mktemp -d) here=$(realpath "${0%/*}")
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
source "$here/keyboard.sh"

cpack --config "$1/CPackConfig.cmake" -B "$work/pkg" >/dev/null
dpkg-deb -x "$work"/pkg/vrel-fileprint_*.deb "$work/root"
u=$work/root/usr && cd "$u/share"
entry=$PWD/$(echo applications/*.desktop) program=$u/bin/vrel-fileprint icon=$(sed -n 's/^Icon=//p' applications/*.desktop)
out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net metainfo/*.xml >/dev/null || fail "metainfo"
# The menu entry takes folders but is no folder opener.
grep -qx 'Exec=vrel-fileprint %F' "$entry" || fail "the menu entry starts nothing on folders"
! grep -q '^MimeType=' "$entry" || fail "the menu entry opens folders"
[ -f "icons/hicolor/scalable/apps/$icon.svg" ] || fail "no SVG icon"
for n in 32 48 128 256; do file "icons/hicolor/${n}x$n/apps/$icon.png" | grep -q ", $n x $n," || fail "no $n px icon"; done
# The folder menus, checked by their formats' own tools: desktop-file-validate knows no
# Type=Service, KDE's own kind, and a nautilus-python extension is checked by running it.
out=$(desktop-file-validate kio/servicemenus/*.desktop 2>&1 | grep -v 'type is "Service" while') || true
[ -z "$out" ] || fail "service menu: $out"
[ -x kio/servicemenus/*.desktop ] || fail "the service menu is not executable"
folder="$work/menus/資料 1"
python3 "$here/fileManagers.py" "$work/root" "$folder" || fail "file managers' folder menus"
# The manual page has its sections and no groff warning.
manual=$(MANWIDTH=80 man --warnings -l man/man1/vrel-fileprint.1.gz 2>&1) || fail "manual page: $manual"
[[ $manual != *warning* ]] || fail "manual page warns: $manual"
[[ $manual == *SYNOPSIS*OPTIONS*--version*"EXIT STATUS"*"       10     "*FILES*EXAMPLES* ]] || fail "manual page's sections: $manual"

source "$here/cups/start.sh" "$work/cups"
jobs=$work/cups/jobs
export XDG_RUNTIME_DIR=$work/run HOME=$work
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/files" && cd "$work/files"
touch -d '1997-10-21 09:05:03' a.txt b.doc
# Waits up to $1 tenths of a second for the print server to have kept $2 jobs.
jobs_in() { for _ in $(seq "$1"); do n=$(find "$jobs" -name '*.pdf' | wc -l); [ "$n" -lt "$2" ] || break; sleep 0.1; done; [ "$n" = "$2" ]; }
# The paper's columns are checked where it is made.
words() { tr -d '\r\f' | tr -s ' ' | sed 's/^ //; s/ $//; /^$/d'; }
start() { "$@" & pid=$!; main=$(window "$M") || fail "$1: no main window"; }
cli() { env -u DISPLAY "$program" "$@"; }
# Ctrl+R, Tab Tab to 印刷, Enter, OK on the warning, Print in Qt's real dialog.
readme_printed() {
  keys "$main" ctrl+r
  readme=$(window '^お読み下さい$') || fail "Ctrl+R opened no read-me window"
  keys "$readme" Tab Tab Return && box "printing the read-me" Return
  keys "$(window '^印刷$')" Return
}

# Started on a folder, named from where it is started.
cd "$work" && start "$program" files && cd files
# 8800 x 7000 twips outside, the frame the window manager adds included, in the middle of the
# screen: 587 x 467 at the 96 dots an inch of an X display that sets no Xft.dpi, as Xvfb does not.
frame() { xwininfo -children -id "$1" | sed -n 's/.*Parent window id: \([^ ]*\).*/\1/p'; }
framed() {
  for _ in $(seq 30); do
    placed "$(frame "$1")" 0 && [ "$w $h" = "587 467" ] && return
    sleep 0.1
  done
  fail "$2: at $x,$y, $w x $h, not 587 x 467 in the middle"
}
framed "$main" "the main window"
xdotool windowsize "$main" 300 200
framed "$main" "after a resize, the main window"
xdotool windowmove "$main" 20 30 && sleep 0.5
! placed "$(frame "$main")" 0 || fail "a moved window jumped back to the centre"

timeout 10 "$program" || fail "a second copy did not leave quietly"

# The folder it was started on is listed at once: exported from the keyboard, with no Enter
# before, the list file lands there. A second start with a folder hands it to this window,
# which lists it with the pattern given, then goes back to the first folder, named by a file in it.
line=$'^b     .doc  0 97-10-21 09:05:03\r$'
exported "$main" $tabs
grep -q "$line" VREL_FILE_LIST.TXT && rm VREL_FILE_LIST.TXT || fail "the start folder was not listed"
# Its name ends in Shift_JIS for あ and a byte no text has, as from an archive made on Windows.
handed="$work/渡す 先"$'\xFF\x82\xA0' && mkdir "$handed" && touch -d '1997-10-21 09:05:03' "$handed/c.txt" "$handed/d.doc"
(cd "$work" && timeout 10 "$program" --pattern '*.txt' "${handed#"$work/"}") || fail "no hand-over from a second start"
sleep 0.5 && exported "$main"
list=$handed/VREL_FILE_LIST.TXT
[ "$(grep -c 97-10-21 "$list")" = 1 ] || fail "handed-over folder: its *.txt file not listed"
grep -q $'^File Type : \*\.txt\r$' "$list" || fail "handed-over folder: pattern not in header"
LD_DEBUG=libs LD_DEBUG_OUTPUT=$work/w timeout 10 "$program" a.txt || fail "handing back the first folder by a file"
keys "$main" ${tabs//Tab/shift+Tab}
[[ $(cli --version) =~ ^vrel-fileprint\ [0-9.]+$ ]] || fail "--version"
[[ $(cli --help) == *--version* ]] || fail "--help"
! said=$(cli --no-such-option 2>&1 >/dev/null) || fail "a wrong option: exit 0"
[[ $said == *--help* ]] || fail "a wrong option: no usage on stderr"

# The focus starts in the pattern box; the menu's Ctrl keys win over its cut and paste.
keys "$main" ctrl+v && box "Ctrl+V" Return

# Before any print, on a queue with no driver file, the preview stays up, no message; closed, it prints nothing.
keys "$main" ctrl+shift+p
preview=$(window "^印刷プレビュー - VREL's File Print\$") || fail "Ctrl+Shift+P showed no preview"
! window "$B" 1 || fail "the preview came with a message"
window "^印刷プレビュー" 1 >/dev/null || fail "the preview gave itself up"
keys "$preview" Escape
sleep 1 && jobs_in 1 0 || fail "closing the preview printed"

# The read-me window opens over the main window, though that was moved, and prints the text
# installed in share/vrel-fileprint (what a read-me print puts on paper is checked in tst_readme).
readme_printed
framed "$readme" "the read-me window"
jobs_in 300 1 || fail "no read-me reached the printer"
keys "$readme" shift+Tab shift+Tab Return

# Enter lists; Enter on a focused button presses it: the list file on disk, the list on paper.
exported "$main" ctrl+a asterisk period asterisk Return $tabs
# The file's bytes are checked where it is made; here, that it is this directory's list.
grep -q "$line" VREL_FILE_LIST.TXT || fail "no list file, or not this list"
# The installed command's export, alongside the window, on the folder whose name is no valid
# text, as the shell gives its bytes. The command starts the one program each start needs:
# for the hand-back above, the window's, so QtCore was looked for once; for this, one that
# maps no window library.
LD_DEBUG=libs LD_DEBUG_OUTPUT=$work/ld cli --export=csv "$handed" >/dev/null || fail "a script's export"
[ $(grep -h library=libQt6Core "$work"/w.* | wc -l) = 1 ] && grep -q libQt6Core "$work"/ld.* && ! grep -q libQt6Gui "$work"/ld.* || fail "a start by the wrong program"
grep -q $'^"d",".doc","[0-9]*","97-10-21","09:05:03"\r$' "$handed/VREL_FILE_LIST.CSV" || fail "a script's export: not this list"
rm "$jobs"/*
keys "$main" shift+Tab shift+Tab shift+Tab Return
keys "$(window '^印刷$')" Return
jobs_in 300 1 || fail "the list did not reach the printer"
pdftotext -layout "$jobs"/*.pdf - | words | diff - <(words <VREL_FILE_LIST.TXT) || fail "the paper and the list file differ"
# From a script, with no display, the list goes to the default queue (its pages are the window's,
# checked in tst_output); a queue that refuses it is said so, with the print server's reason.
cupsreject capture
said=$(cli --print . 2>&1 >/dev/null) && code=0 || code=$?
[ $code = 8 ] || fail "a queue that refused: exit $code"
[[ $said == 印刷処理を中断します:\ *not\ accepting\ jobs* ]] || fail "a queue that refused: $said"
cupsaccept capture

# A copy that died leaves its lock behind, which keeps nobody out. A portable copy of the program
# the launcher starts reads the data file beside it, though the installed one lies where it looks
# next; with nothing to print, its read-me print sends nothing to the printer and says nothing.
kill -9 $pid && wait $pid 2>/dev/null || true
rm "$jobs"/*
p=$work/portable/libexec/vrel-fileprint
mkdir -p "$p" && ln -s "$u/share" "$work/portable/share" && cp "$u/libexec/vrel-fileprint/vrel-fileprint" "$p"
printf 'zeqa\r\n' >"$p/VREL02.vrl"
start "$p/vrel-fileprint"
readme_printed
! jobs_in 20 1 || fail "an empty read-me was printed"
kill $pid && wait $pid 2>/dev/null || true
gone "$main" || fail "the portable copy's window stayed"

# A lock that cannot be had (a directory in its place) keeps nobody out: the program says so on
# standard error and opens its window all the same. Started in a directory the system cannot name
# (25 levels of 200-byte names, past the path limit), it lists the home folder, where the
# keyboard's export lands, and says that too.
home=$work/home err=$work/stderr
mkdir -m 700 "$work/locked" && mkdir "$work/locked/vrel-fileprint.lock" "$home" && touch "$home/a.txt"
(deep=$(printf %0200d 0) && for _ in $(seq 25); do mkdir $deep && cd $deep; done &&
  HOME=$home XDG_RUNTIME_DIR=$work/locked exec "$program" 2>"$err") & pid=$!
main=$(window "$M") || fail "an unusable lock, past the path limit: no window"
grep -q "$work/locked/vrel-fileprint.lock" "$err" || fail "an unusable lock was not reported: $(cat "$err")"
exported "$main" Return $tabs
[ -f "$home/VREL_FILE_LIST.TXT" ] || fail "past the path limit: no export at home"
[ "$(grep -c "ホームフォルダ $home " "$err")" = 1 ] || fail "not said once that it lists the home folder: $(cat "$err")"

# A desktop launches the menu entry with two folders: the window opens on the first, whose list
# the keyboard then exports into it.
kill $pid && wait $pid 2>/dev/null || true
export PATH=$u/bin:$PATH
mkdir -p "$folder" "$work/menus/other" && touch "$folder/a.txt" "$work/menus/other/a.txt"
gio launch "$entry" "$folder" "$work/menus/other" &
main=$(window "$M") || fail "the menu entry launched no window"
owner=$(xdotool getwindowpid "$main")
exported "$main" $tabs
rm "$folder/VREL_FILE_LIST.TXT" || fail "menu entry's window: not the first folder"
keys "$main" ctrl+x
timeout 5 tail --pid="$owner" -f /dev/null || fail "Ctrl+X left the program running"
echo "ok"
