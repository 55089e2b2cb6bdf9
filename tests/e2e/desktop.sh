#!/usr/bin/env bash
# The program as a person gets it and meets it: the Debian package built from this build tree
# ($1) and unpacked, its menu entry checked, and the installed program in a real window on an X
# display with a window manager, driven by the keyboard, printing to a print server of its own.
# Run under xvfb-run.
set -euo pipefail
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/keyboard.sh"

cpack --config "$1/CPackConfig.cmake" -B "$work/pkg" >/dev/null
dpkg-deb -x "$work"/pkg/vrel-fileprint_*.deb "$work/root"
usr=$work/root/usr entry=("$work"/root/usr/share/applications/*.desktop)
out=$(desktop-file-validate "${entry[@]}" 2>&1) && [ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >/dev/null || fail "metainfo"
program=$usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "${entry[@]}") icon=$(sed -n 's/^Icon=//p' "${entry[@]}")
[ -x "$program" ] && [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no program or SVG icon"
[ "$(file "$usr"/share/icons/hicolor/*/apps/"$icon".png | grep -oE '[0-9]+ x [0-9]+' | tr '\n' ' ')" = "128 x 128 256 x 256 32 x 32 48 x 48 " ] || fail "icons"
# The menu entry takes folders but is no folder opener. The folder menus, checked by their formats'
# own tools: desktop-file-validate knows no Type=Service, KDE's own kind, and nothing checks a
# Nemo action or a nautilus-python extension but Python's compiler; the command lines they form for
# a folder are run at the end. The manual page has its sections and no groff warning.
grep -qx 'Exec=vrel-fileprint %F' "${entry[@]}" && ! grep -q '^MimeType=' "${entry[@]}" || fail "menu entry and folders"
out=$(desktop-file-validate "$usr"/share/kio/servicemenus/*.desktop 2>&1 | grep -v 'type is "Service" while') || true
[ -z "$out" ] && [ -x "$usr"/share/kio/servicemenus/*.desktop ] || fail "service menu: $out"
PYTHONPYCACHEPREFIX=$work/pycache python3 -m py_compile "$usr"/share/nautilus-python/extensions/*.py || fail "GNOME Files"
manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/vrel-fileprint.1.gz" 2>&1) || fail "manual page: $manual"
[[ $manual == *SYNOPSIS*OPTIONS*--version*"EXIT STATUS"*"       10     "*FILES*EXAMPLES* && $manual != *warning* ]] || fail "manual page: $manual"
folder="$work/menus/資料 1"
commands=$(python3 "$(dirname "$0")/fileManagers.py" "$work/root" "$folder") || fail "file managers: $commands"

source "$(dirname "$0")/cups/start.sh" "$work/cups"
export XDG_RUNTIME_DIR=$work/run HOME=$work
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir "$work/files" && cd "$work/files"
touch -d '1997-10-21 09:05:03' a.txt b.doc
jobs_in() { # waits up to $1 tenths of a second for the print server to have kept $2 jobs
  for _ in $(seq "$1"); do [ "$(ls "$work/cups/jobs" | grep -c 'pdf$')" -ge "$2" ] && break; sleep 0.1; done
  [ "$(ls "$work/cups/jobs" | grep -c 'pdf$')" -eq "$2" ]
}
words() { tr -d '\r\f' | tr -s ' ' | sed 's/^ //; s/ $//; /^$/d'; } # the paper's columns are checked where it is made
start() { "$@" & pid=$!; main=$(window "^VREL's File Print\$") || fail "$1: no main window"; }
readme_printed() { # Ctrl+R, Tab Tab to 印刷, Enter, OK on the warning, Print in Qt's real dialog
  keys "$main" ctrl+r
  readme=$(window '^お読み下さい$') || fail "Ctrl+R opened no read-me window"
  keys "$readme" Tab Tab Return && box "printing the read-me" Return
  keys "$(window '^印刷$')" Return
}

openbox --sm-disable >/dev/null 2>&1 &
sleep 1
# Started on a folder, named from where it is started.
cd "$work" && start "$program" files && cd "$work/files"
# 8800 x 7000 twips outside, the frame the window manager adds included, in the middle of the screen.
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
ew=587 eh=467 # at the 96 dots an inch of an X display that sets no Xft.dpi, as Xvfb does not
outer() {
  local x y w h l r t b
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
centred() { # within a pixel of the middle: the centre is worked out in floating point
  for _ in $(seq 30); do
    read -r X Y W H < <(outer "$1")
    [ "$W$H" = "$ew$eh" ] && [ $(((X - (sw - W) / 2) ** 2 + (Y - (sh - H) / 2) ** 2)) -le 2 ] && return
    sleep 0.1
  done
  return 1
}
centred "$main" || fail "main window is $(outer "$main"), wanted ${ew}x${eh} in the middle of ${sw}x${sh}"
xdotool windowsize "$main" 300 200
centred "$main" || fail "after a resize the window is $(outer "$main")"
xdotool windowmove "$main" 20 30 && sleep 0.5
[ "$(outer "$main" | cut -d' ' -f1)" -ne $(((sw - ew) / 2)) ] || fail "a moved window jumped back to the centre"

timeout 10 "$program" || fail "a second copy did not leave quietly, or opened a window"

# The folder it was started on is listed at once: exported from the keyboard, with no Enter
# before, the list file lands there. A second start with a folder hands it to this window,
# which lists it with the pattern given, then goes back to the first folder, named by a file in it.
exported() { keys "$main" "$@" Return && box "export" Return && box "export" Return; }
exported Tab Tab Tab Tab Tab Tab
grep -q $'^b     .doc  0 97-10-21 09:05:03\r$' VREL_FILE_LIST.TXT && rm VREL_FILE_LIST.TXT || fail "started on a folder, the window did not list it"
# Its name ends in Shift_JIS for あ and a byte no text has, as from an archive made on Windows.
handed="$work/渡す 先"$'\xFF\x82\xA0' && mkdir "$handed" && touch -d '1997-10-21 09:05:03' "$handed/c.txt" "$handed/d.doc"
(cd "$work" && timeout 10 "$program" --pattern '*.txt' "${handed#"$work/"}") || fail "a second start with a folder did not hand it over"
sleep 0.5 && exported
[ "$(grep -c 97-10-21 "$handed/VREL_FILE_LIST.TXT")" = 1 ] && grep -q $'^File Type : \*\.txt\r$' "$handed/VREL_FILE_LIST.TXT" ||
  fail "the folder handed over was not listed with its pattern"
timeout 10 "$program" a.txt || fail "handing the first folder back, by a file in it"
keys "$main" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
[[ $(env -u DISPLAY "$program" --version) =~ ^vrel-fileprint\ [0-9.]+$ && $(env -u DISPLAY "$program" --help) == *--version* ]] || fail "--help, --version"
! e=$(env -u DISPLAY "$program" --no-such-option 2>&1 >/dev/null) && [[ $e == *--help* ]] || fail "a wrong option: no usage on standard error, or exit 0"

# The focus starts in the pattern box; the menu's Ctrl keys win over its cut and paste.
keys "$main" ctrl+v && box "Ctrl+V" Return

# Before any print, on a queue with no driver file, the preview stays up, no message; closed, it prints nothing.
keys "$main" ctrl+shift+p
preview=$(window "^印刷プレビュー - VREL's File Print\$") && sleep 1 && xdotool search --onlyvisible --name "^印刷プレビュー" >/dev/null &&
  ! xdotool search --onlyvisible --name "^VREL's FILEPRINT\$" >/dev/null || fail "Ctrl+Shift+P showed no preview, or gave it up"
keys "$preview" Escape
sleep 1 && jobs_in 1 0 || fail "closing the preview printed"

# The read-me window opens over the main window, though that was moved, and prints the text
# installed in share/vrel-fileprint (what a read-me print puts on paper is checked in tst_readme).
readme_printed
centred "$readme" || fail "the read-me window is $(outer "$readme")"
jobs_in 300 1 || fail "the read-me did not reach the printer"
keys "$readme" shift+Tab shift+Tab Return

# Enter lists; Enter on a focused button presses it: the list file on disk, the list on paper.
keys "$main" ctrl+a asterisk period asterisk Return Tab Tab Tab Tab Tab Tab Return && box "export" Return
box "export" Return
# The file's bytes are checked where it is made; here, that it is this directory's list.
grep -q $'^b     .doc  0 97-10-21 09:05:03\r$' VREL_FILE_LIST.TXT || fail "no list file, or not this list"
# The installed command's export, alongside the window: by the program of QtCore alone, on the
# folder whose name is no valid text, as the shell gives its bytes.
env -u DISPLAY LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" "$program" --export csv "$handed" >/dev/null || fail "a script's export"
grep -qx '"d",".doc","[0-9]*","97-10-21","09:05:03"' <(tr -d '\r' <"$handed/VREL_FILE_LIST.CSV") && grep -q libQt6Core "$work"/ld.* &&
  ! grep -q libQt6Gui "$work"/ld.* || fail "a script's export: not this list, or by the window program"
rm "$work"/cups/jobs/*.pdf
keys "$main" shift+Tab shift+Tab shift+Tab Return
keys "$(window '^印刷$')" Return
jobs_in 300 1 || fail "the list did not reach the printer"
pdftotext -layout "$work"/cups/jobs/*.pdf - | words | diff - <(words <VREL_FILE_LIST.TXT) || fail "the printed list is not the list file"
# From a script, with no display, the list goes to the default queue (its pages are the window's,
# checked in tst_output); a queue that refuses it is said so, with the print server's reason.
cupsreject capture
code=0 && env -u DISPLAY "$program" --print . 2>"$work/refused" || code=$?
[ "$code" = 8 ] && grep -q $'^印刷処理を中断します: .*not accepting jobs' "$work/refused" || fail "a queue that refused: exit $code, $(cat "$work/refused")"
cupsaccept capture

# A copy that died leaves its lock behind, which keeps nobody out. A portable copy of the program
# the launcher starts reads the data file beside it, though the installed one lies where it looks
# next; with nothing to print, its read-me print sends nothing to the printer and says nothing.
kill -9 "$pid" && wait "$pid" 2>/dev/null || true
rm "$work"/cups/jobs/*.pdf
mkdir -p "$work/portable/libexec/vrel-fileprint" && ln -s "$usr/share" "$work/portable/share"
cp "$usr/libexec/vrel-fileprint/vrel-fileprint" "$work/portable/libexec/vrel-fileprint/"
printf 'zeqa\r\n' >"$work/portable/libexec/vrel-fileprint/VREL02.vrl"
start "$work/portable/libexec/vrel-fileprint/vrel-fileprint"
readme_printed
! jobs_in 20 1 || fail "an empty read-me reached the printer"
kill "$pid" && wait "$pid" 2>/dev/null || true

# A lock that cannot be had (a directory in its place) keeps nobody out: the program says so on
# standard error and opens its window all the same. Started in a directory the system cannot name
# (25 levels of 200-byte names, past the path limit), it lists the home folder, where the
# keyboard's export lands, and says that too.
for _ in $(seq 50); do xdotool search --onlyvisible --name "^VREL's File Print\$" >/dev/null 2>&1 || break; sleep 0.1; done
mkdir -m 700 "$work/locked" && mkdir "$work/locked/vrel-fileprint.lock" "$work/home" && touch "$work/home/a.txt"
(deep=$(printf 'd%.0s' $(seq 200)) && for _ in $(seq 25); do mkdir "$deep" && cd "$deep"; done &&
  HOME=$work/home XDG_RUNTIME_DIR=$work/locked exec "$program" 2>"$work/stderr") & pid=$!
deepest=$(window "^VREL's File Print\$") || fail "an unusable lock, past the path limit: no window"
grep -q "$work/locked/vrel-fileprint.lock" "$work/stderr" || fail "an unusable lock was not reported: $(cat "$work/stderr")"
keys "$deepest" Return Tab Tab Tab Tab Tab Tab Return && box "export in the home folder" Return && box "export in the home folder" Return
[ -f "$work/home/VREL_FILE_LIST.TXT" ] && [ "$(grep -c "ホームフォルダ $work/home " "$work/stderr")" = 1 ] || fail "not started in the home folder: $(cat "$work/stderr")"

# A desktop launches the menu entry with two folders: the window opens on the first, whose list the
# keyboard then exports into it. Each file manager's command is the program and the one folder.
kill "$pid" && wait "$pid" 2>/dev/null || true
export PATH=$usr/bin:$PATH
mkdir -p "$folder" "$work/menus/other" && touch "$folder/a.txt" "$work/menus/other/a.txt"
opens_on_folder() {
  "$@" &
  local id; id=$(window "^VREL's File Print\$") || fail "$*: no window"
  local owner; owner=$(xdotool getwindowpid "$id")
  keys "$id" Tab Tab Tab Tab Tab Tab Return && box "$*: export" Return && box "$*: export" Return
  rm "$folder/VREL_FILE_LIST.TXT" || fail "$*: the window is not on $folder"
  keys "$id" ctrl+x
  for _ in $(seq 50); do kill -0 "$owner" 2>/dev/null || return 0; sleep 0.1; done
  fail "$*: Ctrl+X did not end the program"
}
opens_on_folder gio launch "${entry[@]}" "$folder" "$work/menus/other"
while read -r manager words; do
  eval "command=($words)"
  [ ${#command[@]} -eq 2 ] && [ "${command[0]}" = vrel-fileprint ] && [ "${command[1]}" = "$folder" ] || fail "$manager: $words"
done <<<"$commands"
echo "ok - package, window, keyboard, list file, print server: as a person meets them"
