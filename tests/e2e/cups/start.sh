# Sourced: starts a print server of the test's own in "$1", listening on "$1/cups.sock" only,
# with one raw queue, the default, whose backend keeps each job's document in "$1/jobs".
cups_root=$1
mkdir -p "$cups_root"/{bin/backend,spool,cache,tmp,jobs}
chmod 755 "$cups_root"
for shared in filter daemon cgi-bin notifier monitor; do ln -s "/usr/lib/cups/$shared" "$cups_root/bin/$shared"; done
# Owner-only, so that the server runs it as the owner, who may write the jobs directory.
install -m 700 "$(dirname "${BASH_SOURCE[0]}")/capture" "$cups_root/bin/backend/capture"
for conf in cupsd.conf cups-files.conf printers.conf; do
  sed "s|@ROOT@|$cups_root|g" "$(dirname "${BASH_SOURCE[0]}")/$conf" >"$cups_root/$conf"
done
/usr/sbin/cupsd -f -c "$cups_root/cupsd.conf" -s "$cups_root/cups-files.conf" 2>>"$cups_root/error_log" &
cups_pid=$!
for _ in $(seq 100); do [ -S "$cups_root/cups.sock" ] && break; sleep 0.1; done
[ -S "$cups_root/cups.sock" ] || { cat "$cups_root/error_log" >&2; echo "FAIL: the print server did not start" >&2; exit 1; }
export CUPS_SERVER=$cups_root/cups.sock
