#!/usr/bin/env bash
# Builds everything and runs all tests (headless; no display needed).
#   test.sh [ctest arguments]             the normal build, build/
#   test.sh --sanitize [ctest arguments]  the same suite built with AddressSanitizer and
#                                         UndefinedBehaviorSanitizer, build-asan/
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  "$top/scripts/setup.sh" --sanitize
  source "$top/scripts/sanitizer/options.sh"
  cd "$top/build-asan"
else
  "$top/scripts/setup.sh"
  cd "$top/build"
fi
ctest --output-on-failure --parallel "${VD_TEST_JOBS:-$(nproc)}" "$@"
