#!/usr/bin/env bash
# Fails when a file of a module includes a header of a module above it, or when a file of one
# run-time library includes a header of another's folders. From the bottom up:
#   0 platform/                      the platform layer
#   1 contracts/                     the libraries' entry points and their bindings
#   2 basemap/projection/, basemap/files/, basemap/sheetindex/, basemap/drawing/, graphics/,
#     meshcode/, layers/settings/files/, layers/settings/prefecture/, municipal/files/,
#     municipal/conversion/
#                                    static helpers linked by the program and the libraries
#   3 the six run-time libraries, each with its folders: Pelmora layers/, Surrick municipal/,
#     Dovanne basemap/ and geology/, TOVENDLG dialogs/, Halvette seismic/, Ombrisk submarine/;
#     what two of them share lives at level 2
#   4 userdata/                      the registered points', place names' and tracks' files and dialogs
#   5 app/                           the shell's frame and menus, the document
#   6 view/                          the map view and the renderer
#   7 program/                       the application object that builds document, frame and view
# A module may include its own level (at level 3 its own library only) and any level below.
# Tests, benchmarks and tools are above everything and are not checked.
# Usage: check-layering.sh [source-root]
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
cd "$root"

folders=()
for folder in platform contracts graphics meshcode basemap geology layers municipal dialogs seismic submarine app userdata view program; do
    [ -d "$folder" ] && folders+=("$folder")
done
[ ${#folders[@]} -gt 0 ] || { echo "check-layering: no module folders under $root" >&2; exit 2; }

find "${folders[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z | xargs -0 awk '
function level(path) {
    if (path ~ /^platform\//) return 0
    if (path ~ /^contracts\//) return 1
    if (path ~ /^(basemap\/(projection|files|sheetindex|drawing)|layers\/settings\/(files|prefecture)|municipal\/(files|conversion)|graphics|meshcode)\//) return 2
    if (path ~ /^(basemap|geology|layers|municipal|dialogs|seismic|submarine)\//) return 3
    if (path ~ /^userdata\//) return 4
    if (path ~ /^app\//) return 5
    if (path ~ /^view\//) return 6
    if (path ~ /^program\//) return 7
    return -1
}
function library(path) {
    if (path ~ /^layers\//) return "Pelmora"
    if (path ~ /^municipal\//) return "Surrick"
    if (path ~ /^(basemap|geology)\//) return "Dovanne"
    if (path ~ /^dialogs\//) return "TOVENDLG"
    if (path ~ /^seismic\//) return "Halvette"
    return "Ombrisk"
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    match($0, /"[^"]+"/)
    header = substr($0, RSTART + 1, RLENGTH - 2)
    from = level(FILENAME)
    to = level(header)
    if (from >= 0 && to > from) {
        printf "%s:%d: includes %s, a header of a higher module (level %d above %d)\n", FILENAME, FNR, header, to, from
        bad = 1
    } else if (from == 3 && to == 3 && library(FILENAME) != library(header)) {
        printf "%s:%d: includes %s, a header of another run-time library (%s in %s)\n", FILENAME, FNR, header, library(header), library(FILENAME)
        bad = 1
    }
}
END { exit bad }
'
