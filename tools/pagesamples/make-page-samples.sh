#!/usr/bin/env bash
# Writes the page samples of data/: data/PICT's two pictures (drawn by make-page-samples.cpp) and
# their captions, and data/TEXT's two texts (CP932, CR LF). Run from anywhere.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
data="$here/../../data"
mkdir -p "$data/PICT" "$data/TEXT"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O2 -o "$tmp/make-page-samples" "$here/make-page-samples.cpp" -ljpeg
"$tmp/make-page-samples" "$data"
# Texts in CP932 with CR LF, from the UTF-8 texts beside this script.
for f in "$here"/texts/*.txt; do
  name=$(basename "$f" .txt)
  case "$name" in
    HILLS*) out="$data/PICT/$name.TXT" ;;
    *) out="$data/TEXT/$name.TXT" ;;
  esac
  sed 's/$/\r/' "$f" | iconv -f UTF-8 -t CP932 > "$out"
done
