#!/usr/bin/env bash
# The list file of a 9,999-file directory written from a script, as a whole process, against
# ls -l piped to iconv, the plain tools' nearest listing in code page 932, also as a whole
# process; the two started alternately, 15 times each, and the medians compared.
set -euo pipefail
bin=${VREL_BENCH_BIN:?set VREL_BENCH_BIN to the bench directory of a Release build}
program=$(realpath "$bin/../vrel-fileprint")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"
(cd "$work/files" && seq -f '報告書%04g.dat' 9999 | xargs touch -d '1997-10-21 09:05:03')

now() { date +%s%N; }
: >"$work/batch.ms" && : >"$work/ls.ms"
for _ in $(seq 15); do
  t0=$(now)
  sh -c '"$1" --export txt --pattern "*.dat" "$2" >/dev/null' sh "$program" "$work/files"
  t1=$(now)
  sh -c 'ls -l "$1" | iconv -f UTF-8 -t CP932 >"$2"' sh "$work/files" "$work/ls.txt"
  t2=$(now)
  echo $(((t1 - t0) / 1000)) >>"$work/batch.ms"
  echo $(((t2 - t1) / 1000)) >>"$work/ls.ms"
done
median() { sort -n "$1" | sed -n 8p; }
[ "$(wc -l <"$work/ls.txt")" -ge 9999 ] && [ "$(wc -l <"$work/files/VREL_FILE_LIST.TXT")" -eq 10006 ] ||
  { echo "run_batchExport: the two outputs are not whole" >&2; exit 1; }
awk -v b="$(median "$work/batch.ms")" -v l="$(median "$work/ls.ms")" 'BEGIN {
  printf "batch export of 9,999 files (median of 15): %.1f ms\n", b / 1000
  printf "ls -l | iconv of 9,999 files (median of 15): %.1f ms\n", l / 1000
  printf "batch export of 9,999 files / ls -l | iconv (whole processes): %.2f\n", b / l
}'
