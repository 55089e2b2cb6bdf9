#!/usr/bin/env bash
# The program as a screen reader meets it: the built program ($1/vrel-fileprint) on a session
# bus and an accessibility bus of its own, read and worked through AT-SPI by accessibility.py.
# Run under xvfb-run; needs no desktop session, so it runs as root in CI too.
set -euo pipefail
[ -n "${VREL_OWN_BUS:-}" ] || VREL_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
w=$(mktemp -d) l=/usr/libexec/at-spi-bus-launcher
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$w"' EXIT
[ -x $l ] || { echo "FAIL: no $l (tools/deps installs at-spi2-core)" >&2; exit 1; }
$l --launch-immediately &
export XDG_RUNTIME_DIR=$w/run HOME=$w QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$w/run" && cd "$w" && touch a.txt
"$1/vrel-fileprint" &
# Debian's own Python, which has the AT-SPI bindings, whatever python3 comes first on PATH.
timeout 60 /usr/bin/python3 "${0%.sh}.py"
