#!/usr/bin/env bash
# The Windows Installer package the Windows build ($1) made, as an office deploys it: installed
# quietly into a Wine prefix of its own, the program started from where it was put, the folder
# menu's commands run as Explorer runs them on a folder, in a window on an X display driven by
# the keyboard; then removed quietly, leaving nothing behind. Run under xvfb-run.
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd) work=$(mktemp -d)
# Wine's menu builder would copy the Start-menu entry into this desktop's menus, and a new prefix
# makes its menu folders in the home: a home of the test's own.
export VREL_WINEPREFIX=$work/prefix WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe= TZ=JST-9 HOME=$work
trap 'set +e; kill $(jobs -p) 2>/dev/null; WINEPREFIX=$VREL_WINEPREFIX wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wine() { "$tools/wine" "$@"; }
windows() { local path=${1//\//\\}; echo "Z:$path"; }
msi=("$1"/vrel-fileprint-*-x64.msi)
[ -f "${msi[0]}" ] || fail "no package in $1: the build's target vrel_windows_setup makes it"
drive=$VREL_WINEPREFIX/drive_c program='C:\Program Files\VREL\FilePrint\vrel-fileprint.exe'
wine msiexec /i "$(windows "${msi[0]}")" /qn || fail "msiexec /i returned $?"
diff -r "$1/setup/stage/bin" "$drive/Program Files/VREL/FilePrint" || fail "not installed as the build laid it out"
[[ $(wine "$program" --version | tr -d '\r') =~ ^vrel-fileprint\ [0-9.]+$ ]] || fail "--version of the installed program"
folder="$work/資料 1" && mkdir "$folder" && touch -d '1997-10-21 09:05:03' "$folder/a.txt"
wine "$program" --export csv "$(windows "$folder")" >/dev/null || fail "--export csv by the installed program"
grep -qx '"a",".txt","0","97-10-21","09:05:03"' <(tr -d '\r' <"$folder/VREL_FILE_LIST.CSV") || fail "not the folder's CSV"
[ "$(find "$drive" -name 'VREL ファイル一覧印刷.lnk' | wc -l)" = 1 ] || fail "no Start-menu entry of that name"

# The folder menu: the verb's name, and its command as Explorer fills it in for a folder (%1)
# and for the folder whose background was clicked (%V).
value() { wine reg query "$1" /ve | iconv -f cp932 -t utf-8 | tr -d '\r' | sed -n 's/^ *([^)]*) *REG_SZ *//p'; }
openbox --sm-disable >/dev/null 2>&1 &
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }
box() { # the program's message box comes up, and Enter closes it
  local id; id=$(window "^VREL's FILEPRINT\$") || fail "$1 showed no message"
  keys "$id" Return
  for _ in $(seq 50); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0; sleep 0.1; done
  fail "the message stayed"
}
for menu in 'Directory\shell %1' 'Directory\Background\shell %V'; do
  key="HKCR\\${menu% *}\\jp.vrel.FilePrint" placeholder=${menu#* }
  [ "$(value "$key")" = 'VREL ファイル一覧印刷で一覧にする' ] || fail "$key: the verb's name is '$(value "$key")'"
  command=$(value "$key\\command") && [ "$command" = "\"$program\" \"$placeholder\"" ] || fail "$key: the command is '$command'"
  # Started from a batch file, whose line goes to CreateProcess whole, as Explorer's does.
  printf '@%s\r\n' "${command/"$placeholder"/$(windows "$folder")}" | iconv -t cp932 >"$work/explorer.bat"
  wine cmd /c "$(windows "$work/explorer.bat")" &
  id=$(window "^VREL's File Print\$") || fail "$key: no window"
  keys "$id" Tab Tab Tab Tab Tab Tab Return && box "$key: export" && box "$key: export"
  iconv -f cp932 -t utf-8 "$folder/VREL_FILE_LIST.TXT" | grep -qFx "Directory : $(windows "$folder")"$'\r' ||
    fail "$key: the window did not list $folder"
  rm "$folder/VREL_FILE_LIST.TXT" && keys "$id" ctrl+x && timeout 10 tail --pid=$! -f /dev/null || fail "$key: Ctrl+X did not end the program"
done

wine msiexec /x "$(windows "${msi[0]}")" /qn && WINEPREFIX=$VREL_WINEPREFIX wineserver --wait || fail "msiexec /x returned $?"
left=$(find "$drive" -iname '*vrel*'; grep -il 'vrel' "$VREL_WINEPREFIX"/*.reg) || true
[ -z "$left" ] || fail "left behind: $left"
echo "ok - the Windows package installed, its program and folder menu used, removed without a trace"
