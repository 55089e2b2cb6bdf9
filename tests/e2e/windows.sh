#!/usr/bin/env bash
# The Windows program as an office deploys it and a person on a Japanese desktop meets it: the
# Windows Installer package the Windows build $1 made, installed quietly into a Wine prefix of its
# own; the program started from where it was put and from Explorer's folder menu, on an X display
# with a window manager, driven by the keyboard; what it writes and prints held against what the
# Linux program $2 writes and prints for the same folders; then removed, leaving nothing behind.
# Run under xvfb-run.
set -euo pipefail
work=$(mktemp -d) linux=$2 msi=$(echo "$1"/vrel-fileprint-*-x64.msi) tools=$(realpath "${0%/*}/../../tools")
# Wine's menu builder would copy the Start-menu entry into this desktop's menus, and a new prefix
# makes its menu folders in the home: a home of the test's own.
export VREL_WINEPREFIX=$work/p WINEPREFIX=$work/p TZ=JST-9 XDG_RUNTIME_DIR=$work HOME=$work WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=
trap 'set +e; { wineserver -k; kill $(jobs -p); wait; } 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/keyboard.sh"
wine() { timeout "${limit:-60}" "$tools/wine" "$@"; }
[ -f "$msi" ] || fail "no package in $1 (target vrel_windows_setup)"
# The name Wine gives a path of the Unix side.
zpath() { echo "Z:${1//\//\\}"; }
drive=$WINEPREFIX/drive_c exe='C:\Program Files\VREL\FilePrint\vrel-fileprint.exe'
wine msiexec /i "$(zpath "$msi")" /qn || fail "msiexec /i returned $?"
diff -r "$1/setup/stage/bin" "$drive/Program Files/VREL/FilePrint" || fail "not installed as staged"
[ "$(find "$drive" -name 'VREL ファイル一覧印刷.lnk' | wc -l)" = 1 ] || fail "no Start-menu entry"
# The folder menu: the verb's name, and its command as Explorer fills it in for a folder (%1)
# and for the folder whose background was clicked (%V).
value() { wine reg query "$1" /ve | iconv -f cp932 | tr -d '\r' | sed -n 's/^ *([^)]*) *REG_SZ *//p'; }
for entry in 'Directory\shell %1' 'Directory\Background\shell %V'; do
  key="HKCR\\${entry% *}\\jp.vrel.FilePrint"
  name=$(value "$key") command=$(value "$key\\command")
  [ "$name" = 'VREL ファイル一覧印刷で一覧にする' ] || fail "$key: named '$name'"
  [ "$command" = "\"$exe\" \"${entry#* }\"" ] || fail "$key: the command is '$command'"
done
# A command line run from a batch file, which hands it to CreateProcess whole, quotes and all, as
# Explorer and a console do: Wine would quote each argument of its own command line anew.
batch() { printf '@%s\r\n' "$1" | iconv -t cp932 >"$work/$2.bat" && wine cmd /c "$(zpath "$work/$2.bat")"; }
# The folder menu's command, as Explorer fills it in for folder $1.
explorer() { batch "\"$exe\" \"$(zpath "$1")\"" explorer; }
# The Linux program's list file of folder $2 ($1: txt or csv), its directory line as Windows names
# that folder in its code page; written beside the folders, since a list file would be listed.
expected() {
  "$linux" --export $1 "${@:3}" "$2" >/dev/null || fail "the Linux $1 of $2"
  mv "$2/VREL_FILE_LIST.${1^^}" "$work/expected.${1^^}"
  [ $1 = csv ] || printf 'Directory : %s\r\n' "$(zpath "$2")" | iconv -t CP932 | sed -i -e '3r /dev/stdin' -e 3d "$work/expected.TXT"
}
same() { local e=$work/expected.${1##*.}; cmp "$e" "$1" || fail "$2: $(diff <(iconv -f CP932 "$e") <(iconv -f CP932 "$1"))"; }

# Names that take two cells, a size past a thousand, times set in the program's own zone, in a
# folder whose name has a space and kanji.
files="$work/資料 1" && mkdir "$files" && cd "$files"
printf '%1234s' '' >b.doc && printf 'hello\r\n' >表.txt && touch a.txt 'c d.e.txt' noext
touch -d '1997-10-21 09:05:03' ./* && touch -d '2001-02-03 04:05:06' b.doc
expected txt "$files" && expected csv "$files"

limit=240 explorer "$files" 2>/dev/null & pid=$!
main=$(window "$M") && sleep 1 || fail "no main window"
# 8800 x 7000 twips outside as Windows counts the frame: 587 x 467 at 96 dots an inch, centred. The
# window manager frames only the client area; Wine keeps a caption of 23 pixels above it, and no
# border beside it, since Windows 10's resize borders are invisible and not counted.
placed "$main" 23 || fail "the client area is at $x,$y"
[ "$w x $((h + 23))" = "587 x 467" ] || fail "the main window is ${w}x$((h + 23))"

# Listed at start; the focus starts in the pattern box.
exported "$main" $tabs
same VREL_FILE_LIST.TXT "the TXT file"
exported "$main" Tab Down shift+Tab
same VREL_FILE_LIST.CSV "the CSV file"
keys "$main" Tab Up shift+Tab

# A second start hands its folder and pattern to the running copy over the pipe and leaves, each
# time told so: the answer is read before the pipe is closed.
handed="$work/渡す 先" && mkdir "$handed" && touch "$handed"/{d.doc,e.txt}
expected txt "$handed" --pattern '*.txt'
explorer "$handed" || fail "the folder menu, a copy running: exit $?"
for _ in 1 2 3 4; do wine "$exe" --pattern '*.txt' "$(zpath "$handed")" || fail "a second start: exit $?"; done
[ "$(xdotool search --onlyvisible --name "$M" | wc -l)" = 1 ] || fail "a second main window"
sleep 1 && exported "$main"
same "$handed/VREL_FILE_LIST.TXT" "the folder handed over"

# The read-me text comes from the data file beside the program file: the list is written on.
keys "$main" ctrl+r
readme=$(window '^お読み下さい$') || fail "Ctrl+R opened no read-me window"
# Dark pixels inside the text list.
inked=$(python3 - "$readme" <<'EOF'
import ctypes as c, sys
x, v, n = c.CDLL('libX11.so.6'), c.c_void_p, c.c_ulong
x.XOpenDisplay.restype = x.XGetImage.restype = v
# 450 x 340 pixels of 4 bytes from the X image's data, 16 bytes into it.
g = x.XGetImage(v(x.XOpenDisplay(None)), n(int(sys.argv[1])), 60, 12, 450, 340, n(~0), 2)
d = c.string_at(v.from_address(g + 16).value, 612000)
print(sum(sum(d[k:k + 3]) < 384 for k in range(0, 612000, 4)))
EOF
) && [ "$inked" -gt 1000 ] || fail "a blank read-me list ($inked dark pixels)"
# A session ended at a stroke leaves the lock of the copy it killed, and numbers the processes of
# the next session as it did those: the next copy, which may bear the dead one's number, starts.
wineserver -k && wait $pid || true
limit=240 wine "$exe" 2>/dev/null & pid=$!
main=$(window "$M") && sleep 1 || fail "a killed copy's lock kept the next one out"
keys "$main" ctrl+x
timeout 5 tail --pid=$pid -f /dev/null || fail "Ctrl+X did not end the program"
wait $pid || fail "Ctrl+X ended the program with $?"

# Printed pages: the same folder through both programs, drawn by poppler at the same resolution,
# are the same pixels but for the directory line, whose text is checked.
cd "$work"
"$linux" --pdf linux.pdf "$files" >/dev/null || fail "the Linux --pdf"
wine "$exe" --pdf windows.pdf "$(zpath "$files")" >/dev/null || fail "--pdf"
[ "$(pdftotext -layout windows.pdf - | sed -n 3p)" = "Directory : $(zpath "$files")" ] || fail "the PDF's directory line"
read -r top bottom < <(pdftotext -bbox linux.pdf - | sed -n 's/.*yMin="\([0-9]*\).*yMax="\([0-9]*\).*>Directory<.*/\1 \2/p')
for b in linux windows; do pdftoppm -r 72 -gray $b.pdf $b && [ "$(ls $b-*.pgm)" = $b-1.pgm ] || fail "$b: not one page"; done
read -r row _ < <(sed -n 2p linux-1.pgm) && head=$(head -n 3 linux-1.pgm | wc -c)
cmp -n $((head + top * row)) linux-1.pgm windows-1.pgm || fail "the page differs above the directory line"
cmp -i $((head + (bottom + 1) * row)) linux-1.pgm windows-1.pgm || fail "the page differs below the directory line"

# On a console, through cmd's redirection: the Linux program's texts in code page 932, CR LF, and
# the program named as Windows names it.
for option in --version --help --no-such-option; do
  "$linux" $option >linux.out 2>linux.err || true
  for f in out err; do sed "s|$linux|${exe//\\/\\\\}|; s/\$/\r/" linux.$f | iconv -t CP932 >expected.$f; done
  batch "\"$exe\" $option > windows.out 2> windows.err" console || true
  for f in out err; do cmp expected.$f windows.$f || fail "on a console, $option: std$f"; done
done

wine msiexec /x "$(zpath "$msi")" /qn && wineserver --wait || fail "msiexec /x returned $?"
left=$(find "$drive" -iname '*vrel*'; grep -il vrel "$WINEPREFIX"/*.reg) || true
[ -z "$left" ] || fail "left behind: $left"
echo "ok"
