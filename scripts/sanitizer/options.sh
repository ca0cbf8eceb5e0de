# The sanitizer settings of the sanitizer suite and the fuzz runs (sourced by scripts/test.sh
# and scripts/fuzz.sh): every error ends the process with a report, leaks are checked at exit
# with the suppressions of lsan-suppressions.txt (Qt's and fontconfig's own allocations only).
supp_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_init_order=1:check_initialization_order=1${VD_EXTRA_ASAN_OPTIONS:+:$VD_EXTRA_ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$supp_dir/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
