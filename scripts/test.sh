#!/usr/bin/env bash
# Builds everything and runs all tests (headless; no display needed).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
cd "$top/build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
