# Sourced by tools/test and tools/fuzz: every sanitizer report ends the process with a failure,
# with a stack that names our lines, and only the leaks listed in tools/lsan.supp are let pass.
here=${here:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:exitcode=23:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=24
export LSAN_OPTIONS=suppressions=$here/tools/lsan.supp:print_suppressions=0:exitcode=23
