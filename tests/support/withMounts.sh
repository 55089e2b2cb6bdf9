#!/bin/sh
# Runs a test that mounts file systems of its own: as it is under root, else as root of a user
# namespace of its own, where an ordinary user may mount a tmpfs. Where no such namespace can be
# made, the test runs all the same and its mounting checks fail with the reason.
if [ "$(id -u)" -ne 0 ] && unshare --user --map-root-user --mount true 2>/dev/null; then
  exec unshare --user --map-root-user --mount "$@"
fi
exec "$@"
