# Sourced: starts a print server of the test's own in "$1", listening on "$1/cups.sock" only,
# with one raw queue, the default, whose backend keeps each job's document in "$1/jobs".
c=$1 d=$(dirname "${BASH_SOURCE[0]}")
mkdir -p "$c"/{bin/backend,spool,cache,tmp,jobs}
chmod 755 "$c"
ln -s /usr/lib/cups/{filter,daemon,cgi-bin,notifier,monitor} "$c/bin"
# Owner-only, so that the server runs it as the owner, who may write the jobs directory.
install -m 700 "$d/capture" "$c/bin/backend"
for f in "$d"/*.conf; do sed "s|@ROOT@|$c|g" "$f" >"$c/${f##*/}"; done
/usr/sbin/cupsd -f -c "$c/cupsd.conf" -s "$c/cups-files.conf" 2>>"$c/error_log" &
export CUPS_SERVER=$c/cups.sock
for _ in $(seq 100); do [ -S $CUPS_SERVER ] && break; sleep 0.1; done
[ -S $CUPS_SERVER ] || { cat "$c/error_log" >&2; echo "FAIL: the print server did not start" >&2; exit 1; }
