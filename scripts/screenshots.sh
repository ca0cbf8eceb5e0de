#!/usr/bin/env bash
# Takes the README's screenshots again: builds the screenshot tests and runs them on a virtual
# X display (Xvfb), writing the PNG files into docs/screenshots (or the folder given).
#   screenshots.sh [folder]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:-$top/docs/screenshots}")
"$top/scripts/setup.sh" >/dev/null
cmake --build "$top/build" --target test-screenshots --parallel "${VD_BUILD_JOBS:-$(nproc)}"
mkdir -p "$out"
VD_SCREENSHOTS=$out QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$top/build/tests/test-screenshots"
ls -l "$out"
