#!/usr/bin/env bash
# Installs what the project needs when it is missing, sets up ccache and builds.
# Used by both quick-start commands (scripts/run.sh, scripts/test.sh), by scripts/fuzz.sh and by CI.
#   setup.sh             the normal build, build/ (g++)
#   setup.sh --sanitize  the sanitizer tree, build-asan/ (clang, AddressSanitizer + UBSan): the
#                        test suite and the fuzz targets
#   setup.sh --fuzz      only the fuzz targets of the sanitizer tree
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind="${1:-}"
sanitize=(-DVELDORAN_SANITIZE=ON -DCMAKE_CXX_COMPILER=clang++)
case "$kind" in
  "") build="$top/build"; configure=(); target=() ;;
  --sanitize) build="$top/build-asan"; configure=("${sanitize[@]}"); target=() ;;
  --fuzz) build="$top/build-asan"; configure=("${sanitize[@]}"); target=(--target fuzz-all) ;;
  *) echo "usage: setup.sh [--sanitize|--fuzz]" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake ninja-build ccache pkg-config lld
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont locales
  xvfb xauth
  xdotool openbox libx11-dev libxcb1-dev
  clang libfuzzer-14-dev
  poppler-utils
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The comma-decimal locale that the number-parsing tests run under.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "setup: could not generate de_DE.UTF-8" >&2
fi

# ccache: paths relative to the checkout and no working-folder hash, so a fresh clone (CI's)
# hits the cache of the last build.
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR=true
ccache --set-config hash_dir=false >/dev/null 2>&1 || true

# The sanitizer tree was once built with g++: a tree configured for another compiler is made
# afresh (CMake cannot change the compiler of a configured tree).
if [ -n "$kind" ] && [ -f "$build/CMakeCache.txt" ] \
  && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
# Line tables only (enough for stack traces) unless VD_DEBUG_INFO=full asks for a debugger's
# information: every build made through this script then compiles the same objects as CI's, so a
# fresh clone finds them in ccache. A tree that already has the choice is not configured again.
debug_info="${VD_DEBUG_INFO:-lines}"
configure+=(-DVELDORAN_DEBUG_INFO="$debug_info")
reconfigure=""
grep -qx "VELDORAN_DEBUG_INFO:STRING=$debug_info" "$build/CMakeCache.txt" 2>/dev/null || reconfigure=1
if [ ! -f "$build/build.ninja" ] || [ -n "$reconfigure" ]; then
  cmake -S "$top" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${configure[@]}"
fi
cmake --build "$build" --parallel "${VD_BUILD_JOBS:-$(nproc)}" "${target[@]}"
