#!/usr/bin/env bash
# The Windows program as an office deploys it and a person on a Japanese desktop meets it: the
# Windows Installer package the Windows build $1 made, installed quietly into a Wine prefix of its
# own; the program started from where it was put and from Explorer's folder menu, on an X display
# with a window manager, driven by the keyboard; what it writes and prints held against what the
# Linux program $2 writes and prints for the same folders; then removed, leaving nothing behind.
# Run under xvfb-run.
set -euo pipefail
work=$(mktemp -d)
# Wine's menu builder would copy the Start-menu entry into this desktop's menus, and a new prefix
# makes its menu folders in the home: a home of the test's own.
export VREL_WINEPREFIX=$work/prefix TZ=JST-9 XDG_RUNTIME_DIR=$work HOME=$work WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=
trap 'set +e; WINEPREFIX=$VREL_WINEPREFIX wineserver -k 2>/dev/null; kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/keyboard.sh"
# Wine takes the focus from the window manager, not from a bare focus change.
keys() { xdotool windowactivate --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
wine() { timeout "${limit:-60}" "$tools/wine" "$@"; }
msi=("$1"/vrel-fileprint-*-x64.msi) linux=$2
[ -f "${msi[0]}" ] && [ -x "$linux" ] || fail "no package in $1 (its target vrel_windows_setup makes it), or no Linux program $linux"
zpath() { local p=${1//\//\\}; echo "Z:$p"; } # the name Wine gives a path of the Unix side
openbox --sm-disable >/dev/null 2>&1 & # up while the package installs
drive=$VREL_WINEPREFIX/drive_c exe='C:\Program Files\VREL\FilePrint\vrel-fileprint.exe'
wine msiexec /i "$(zpath "${msi[0]}")" /qn || fail "msiexec /i returned $?"
diff -r "$1/setup/stage/bin" "$drive/Program Files/VREL/FilePrint" || fail "not installed as the build laid it out"
[ "$(find "$drive" -name 'VREL ファイル一覧印刷.lnk' | wc -l)" = 1 ] || fail "no Start-menu entry of that name"
# The folder menu: the verb's name, and its command as Explorer fills it in for a folder (%1)
# and for the folder whose background was clicked (%V).
value() { wine reg query "$1" /ve | iconv -f cp932 -t utf-8 | tr -d '\r' | sed -n 's/^ *([^)]*) *REG_SZ *//p'; }
declare -A menu
for entry in 'Directory\shell %1' 'Directory\Background\shell %V'; do
  key="HKCR\\${entry% *}\\jp.vrel.FilePrint" placeholder=${entry#* }
  [ "$(value "$key")" = 'VREL ファイル一覧印刷で一覧にする' ] || fail "$key: the verb's name is '$(value "$key")'"
  menu[$placeholder]=$(value "$key\\command")
  [ "${menu[$placeholder]}" = "\"$exe\" \"$placeholder\"" ] || fail "$key: the command is '${menu[$placeholder]}'"
done
# A command line run from a batch file, which hands it to CreateProcess whole, quotes and all, as
# Explorer and a console do: Wine would quote each argument of its own command line anew.
batch() { printf '@%s\r\n' "$1" | iconv -t cp932 >"$work/$2.bat" && wine cmd /c "$(zpath "$work/$2.bat")"; }
explorer() { batch "${menu[$1]/"$1"/$(zpath "$2")}" explorer; } # the folder menu's command for $1 run on folder $2
# The Linux program's list file of folder $2 ($1: txt or csv), its directory line as Windows names
# that folder in its code page; written beside the folders, since a list file would be listed.
expected() {
  "$linux" --export "$1" "${@:3}" "$2" >/dev/null || fail "the Linux program's $1 of $2"
  local file=$2/VREL_FILE_LIST.${1^^}
  [ "$1" = csv ] && mv "$file" "$work/expected.csv" && return
  { head -n 2 "$file" && printf 'Directory : %s\r\n' "$(zpath "$2")" | iconv -t CP932 && tail -n +4 "$file"; } >"$work/expected.txt" && rm "$file"
}
same() { local e=${1##*.} && e=$work/expected.${e,,}
  cmp "$e" "$1" || fail "$2: $(diff <(iconv -f CP932 "$e") <(iconv -f CP932 "$1"))"; }

# Names that take two cells, a size past a thousand, times set in the program's own zone, in a
# folder whose name has a space and kanji.
files="$work/資料 1" && mkdir "$files" && cd "$files"
printf '%1234s' '' >b.doc && printf 'hello\r\n' >表.txt && touch a.txt 'c d.e.txt' noext
touch -d '1997-10-21 09:05:03' ./* && touch -d '2001-02-03 04:05:06' b.doc
expected txt "$files" && expected csv "$files"

limit=240 explorer %1 "$files" 2>/dev/null & pid=$!
main=$(window "^VREL's File Print\$") && sleep 1 || fail "no main window"
# 8800 x 7000 twips outside as Windows counts the frame: 587 x 467 at 96 dots an inch, centred. The
# window manager frames only the client area; Wine keeps a caption of 23 pixels above it, and no
# border beside it, since Windows 10's resize borders are invisible and not counted.
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
read -r x y w h < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')
[ "$w $((h + 23))" = "587 467" ] && [ $(((x - (sw - 587) / 2) ** 2 + (y - 23 - (sh - 467) / 2) ** 2)) -le 2 ] ||
  fail "the main window's client area is ${w}x$h at $x,$y on ${sw}x$sh"

# Listed at start; the focus starts in the pattern box, six tabs from the file output button.
keys "$main" Tab Tab Tab Tab Tab Tab Return && box "TXT export" Return && box "TXT export" Return
same VREL_FILE_LIST.TXT "the TXT list file"
keys "$main" Tab Down shift+Tab Return && box "CSV export" Return && box "CSV export" Return
same VREL_FILE_LIST.CSV "the CSV list file"
keys "$main" Tab Up shift+Tab

# A second start hands its folder and pattern to the running copy over the pipe and leaves, each
# time told so: the answer is read before the pipe is closed.
handed="$work/渡す 先" && mkdir "$handed" && touch "$handed/d.doc" "$handed/e.txt"
expected txt "$handed" --pattern '*.txt'
explorer %V "$handed" || fail "the folder menu on a folder's background, with a copy running: exit $?"
for _ in 1 2 3 4; do wine "$exe" --pattern '*.txt' "$(zpath "$handed")" || fail "a second start with a folder: exit $?"; done
[ "$(xdotool search --onlyvisible --name "^VREL's File Print\$" | wc -l)" = 1 ] || fail "a second main window"
sleep 1 && keys "$main" Return && box "export of the folder handed over" Return && box "export" Return
same "$handed/VREL_FILE_LIST.TXT" "the folder handed over"

# The read-me text comes from the data file beside the program file: the list is written on.
keys "$main" ctrl+r
readme=$(window '^お読み下さい$') || fail "Ctrl+R opened no read-me window"
! xdotool search --onlyvisible --name "^VREL's FILEPRINT\$" >/dev/null || fail "the read-me window came with a message"
inked=$(python3 - "$readme" <<'EOF'
import ctypes, sys
x = ctypes.cdll.LoadLibrary('libX11.so.6')
x.XOpenDisplay.restype, x.XGetImage.restype, x.XGetPixel.restype = ctypes.c_void_p, ctypes.c_void_p, ctypes.c_ulong
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
image = x.XGetImage(x.XOpenDisplay(None), int(sys.argv[1]), 60, 12, 450, 340, 0xFFFFFFFF, 2)  # inside the text list
print(sum(sum(x.XGetPixel(image, i, j) >> s & 255 for s in (0, 8, 16)) < 384 for i in range(450) for j in range(340)))
EOF
) && [ "$inked" -gt 1000 ] || fail "the read-me list is blank ($inked dark pixels)"
# A session ended at a stroke leaves the lock of the copy it killed, and numbers the processes of
# the next session as it did those: the next copy, which may bear the dead one's number, starts.
WINEPREFIX=$VREL_WINEPREFIX wineserver -k && wait "$pid" || true
limit=240 wine "$exe" 2>/dev/null & pid=$!
main=$(window "^VREL's File Print\$") && sleep 1 || fail "the lock of a killed copy kept the next one out"
keys "$main" ctrl+x && timeout 5 tail --pid="$pid" -f /dev/null && wait "$pid" || fail "Ctrl+X did not end the program, or not with 0"

# Printed pages: the same folder through both programs, drawn by poppler at the same resolution,
# are the same pixels but for the directory line, whose text is checked.
cd "$work"
"$linux" --pdf linux.pdf "$files" >/dev/null && wine "$exe" --pdf windows.pdf "$(zpath "$files")" >/dev/null || fail "--pdf"
[ "$(pdftotext -layout windows.pdf - | sed -n 3p)" = "Directory : $(zpath "$files")" ] || fail "the PDF's directory line"
read -r top bottom < <(pdftotext -bbox linux.pdf - | sed -n 's/.*yMin="\([0-9]*\).*yMax="\([0-9]*\).*>Directory<.*/\1 \2/p')
for build in linux windows; do pdftoppm -r 72 -gray "$build.pdf" "$build"; done
[ "$(ls windows-*.pgm)" = windows-1.pgm ] && [ "$(ls linux-*.pgm)" = linux-1.pgm ] || fail "not one page each"
row=$(($(sed -n 2p linux-1.pgm | cut -d' ' -f1))) head=$(($(head -n 3 linux-1.pgm | wc -c)))
cmp -n $((head + top * row)) linux-1.pgm windows-1.pgm && cmp -i $((head + (bottom + 1) * row)) linux-1.pgm windows-1.pgm ||
  fail "the first page differs outside its directory line"

# On a console, through cmd's redirection: the Linux program's texts in code page 932, CR LF, and
# the program named as Windows names it.
console() { # $1: the arguments; the Linux program's standard output and error, made Windows'
  "$linux" $1 >linux.out 2>linux.err || true
  for f in out err; do sed "s|$linux|${exe//\\/\\\\}|; s/\$/\r/" linux.$f | iconv -t CP932 >expected.$f; done
  batch "\"$exe\" $1 > windows.out 2> windows.err" console || true
  cmp expected.out windows.out && cmp expected.err windows.err || fail "on a console, $1"
}
console --version && console --help && console --no-such-option

wine msiexec /x "$(zpath "${msi[0]}")" /qn && WINEPREFIX=$VREL_WINEPREFIX wineserver --wait || fail "msiexec /x returned $?"
left=$(find "$drive" -iname '*vrel*'; grep -il 'vrel' "$VREL_WINEPREFIX"/*.reg) || true
[ -z "$left" ] || fail "left behind: $left"
echo "ok - the Windows package installed, its program worked from the keyboard, from the folder menu and a console, removed"
