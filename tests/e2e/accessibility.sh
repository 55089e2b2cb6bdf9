#!/usr/bin/env bash
# The program as a screen reader meets it: the built program ($1/vrel-fileprint) on a session
# bus and an accessibility bus of its own, read and worked through AT-SPI by accessibility.py.
# Run under xvfb-run; needs no desktop session, so it runs as root in CI too.
set -euo pipefail
if [ -z "${VREL_OWN_BUS:-}" ]; then
  VREL_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "FAIL: no $launcher (tools/deps installs at-spi2-core)" >&2; exit 1; }
"$launcher" --launch-immediately &
export XDG_RUNTIME_DIR=$work/run HOME=$work QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir "$work/files" && cd "$work/files" && touch a.txt
"$1/vrel-fileprint" &
# Debian's own Python, which has the AT-SPI bindings, whatever python3 comes first on PATH.
timeout 60 /usr/bin/python3 "$here/accessibility.py"
