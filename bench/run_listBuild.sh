#!/usr/bin/env bash
# List build of 9,999 files against ls -l and a plain readdir/stat loop.
set -euo pipefail
"$VREL_BENCH_BIN/vrel-bench-list-build"
