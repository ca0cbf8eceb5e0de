#!/usr/bin/env bash
# Builds the program and starts it on the bundled sample data.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so Veldoran's window
cannot open. Run it under a virtual display instead:

  xvfb-run -a -s "-screen 0 1280x1024x24" $top/build/bin/veldoran
MSG
  exit 1
fi
exec "$top/build/bin/veldoran" "$@"
