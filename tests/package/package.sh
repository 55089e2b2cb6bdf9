#!/usr/bin/env bash
# The Debian package as a person gets it: built from this build tree, unpacked, its menu entry
# and metainfo validated, the unpacked program started on an X display and its read-me printed
# to a PDF, installed and as a portable copy. Run under xvfb-run; the argument is the build tree.
set -euo pipefail
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
window() { for _ in $(seq 100); do xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return; sleep 0.1; done; return 1; }
press() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key --delay 50 "${@:2}"; }

cpack --config "$1/CPackConfig.cmake" -B "$work/pkg" >/dev/null
dpkg-deb -x "$work"/pkg/vrel-fileprint_*.deb "$work/root"
usr=$work/root/usr entry=("$work"/root/usr/share/applications/*.desktop)
out=$(desktop-file-validate "${entry[@]}" 2>&1) && [ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >/dev/null || fail "metainfo"
program=$usr/bin/$(sed -n 's/^Exec=//p' "${entry[@]}") icon=$(sed -n 's/^Icon=//p' "${entry[@]}")
[ -x "$program" ] && [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no program or SVG icon"
for s in 32 48 128 256; do
  file "$usr/share/icons/hicolor/${s}x$s/apps/$icon.png" | grep -q "$s x $s," || fail "no ${s}px icon"
done
echo "ok - package: menu entry and metainfo valid, program and icons where the entry names them"

# The program ($1) shows its window, opens its read-me window, and prints the read-me text, which
# must be the text of data file $2: Ctrl+R, Tab Tab to 印刷, Enter, OK on the warning, and Print
# in Qt's dialog, whose only printer is a PDF file while no print server answers.
export CUPS_SERVER=$work/no-print-server XDG_RUNTIME_DIR=$work/run HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir "$HOME" && cd "$HOME"
text() { tr -d '[:space:]' | sed 's/　//g; s/～/〜/g'; }
prints() {
  "$1" & pid=$!
  main=$(window "^VREL's File Print\$") || fail "$1: no main window"
  press "$main" ctrl+r
  press "$(window '^お読み下さい$')" Tab Tab Return
  press "$(window "^VREL's FILEPRINT\$")" Return
  press "$(window '^印刷$')" Return
  for _ in $(seq 100); do [ -s print.pdf ] && break; sleep 0.1; done
  [ "$(pdftotext print.pdf - | text)" = "$(iconv -f CP932 -t UTF-8 "$2" | sed '/^zeqa/,$d' | text)" ] ||
    fail "$1 printed a read-me other than $2"
}
prints "$program" "$usr/share/vrel-fileprint/VREL02.vrl"
echo "ok - installed: the read-me window reads /usr/share/vrel-fileprint"

# Answered without a display and beside a running copy, so neither a window nor the lock.
v=$(env -u DISPLAY "$program" --version) && [[ $v =~ ^vrel-fileprint\ [0-9.]+$ ]] || fail "--version: $v"
h=$(env -u DISPLAY "$program" --help) && [[ $h == *--version* ]] || fail "--help: $h"
e=$(env -u DISPLAY "$program" --no-such-option 2>&1 >/dev/null) && fail "an unknown option exits 0"
[[ $e == *--help* ]] || fail "an unknown option: no usage on standard error"
echo "ok - --help, --version and an unknown option, with no display, beside a running copy"
kill "$pid" && wait "$pid" 2>/dev/null || true
rm print.pdf

# A portable copy reads the data file beside it, though an installed tree lies next to it.
mkdir "$work/portable" && cp "$program" "$work/portable/" && ln -s "$usr/share" "$work/share"
printf 'portable copy\r\nzeqa\r\n' >"$work/portable/VREL02.vrl"
prints "$work/portable/${program##*/}" "$work/portable/VREL02.vrl"
echo "ok - portable: the read-me window reads the data file beside the program"
echo "4 passed, 0 failed"
