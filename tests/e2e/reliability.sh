#!/usr/bin/env bash
# Runs that could hang or lose the session, end to end on an X server of their own with a window
# manager: the built program driven with real X events and ended by signals or the close box.
#   reliability.sh <veldoran> <veldoran-screen-probe> <veldoran-e2e-boundary-sources> <veldoran-convert-boundaries>
# 1. A profile that cannot be used (its folder is a file; it is a FIFO): the message that names it
#    is on screen before the main window, and SIGTERM ends the run within 5 s with exit 0; the
#    FIFO is left as it was.
# 2. A data file that is a FIFO: the statistics map of 都道府県別データ (Ctrl+Y) over 県別人口.DAT,
#    the sea-floor tint (Ctrl+O) and 地図再表示 over an intermediate depth file: each returns and
#    SIGTERM ends the run within 5 s with the settings written.
# 3. A long 行政界・海岸線変換 (60 n03 files) ended by SIGTERM and by the close box while it runs:
#    exit 0 within 5 s, the settings written, every output written whole (as the converter
#    writes it) and none left half-written.
# Every wait polls for its condition and gives up after a bound; a sanitizer build's report fails.
set -euo pipefail

program=$1
probe=$2
make_sources=$3
converter=$4
wm=openbox
source "$(dirname "${BASH_SOURCE[0]}")/e2e-support.sh"
start_x
start_wm

# Windows form of a Linux path (Z: is /).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# ---- 1. A profile that cannot be used
any_window() { visible_windows | grep -q .; }
profile_unusable() {
    local what=$1
    launch
    wait_for "the message about the profile ($what)" any_window
    grep -q "設定ファイル「$VELDORAN_PROFILE」" "$work/program.log" || fail "$what: the message does not name the profile"
    map_window >/dev/null && fail "$what: the main window came before the message"
    kill -TERM "$pid"
    expect_end "SIGTERM at the message about the profile ($what)" 5
}

run_folders blocked
mkdir -p "$run/config"
echo "a file where the profile's folder should be" >"$run/config/Lxo"
profile_unusable "its folder is a file"

run_folders fifo
mkdir -p "$(dirname "$VELDORAN_PROFILE")"
mkfifo "$VELDORAN_PROFILE"
profile_unusable "a FIFO"
[ -p "$VELDORAN_PROFILE" ] || fail "the FIFO profile was replaced"

# ---- 2. Data files that are FIFOs
# The statistics dialog: 表示 ticked, the second set of the list (県別人口.DAT) chosen: the set
# cannot be read, so a message names it at once and the set chosen before stays; then OK.
run_folders statistics
mkdir -p "$VELDORAN_HOME/MAPELMNT"
mkfifo "$VELDORAN_HOME/MAPELMNT/県別人口.DAT"
launch
wait_for "the first map" map_window
win=$(map_window)
wait_for "a steady picture" steady
focus_main
xdotool key ctrl+y
wait_for "the statistics dialog" window_named '都道府県別データ表示'
xdotool windowactivate --sync "$(window_named '都道府県別データ表示')"
xdotool key space Tab
dialog_only=$(visible_windows | sort)
xdotool key alt+Down
wait_for "the list of data sets" new_window_since "$dialog_only"
xdotool key Down Return
statistics_windows() { xdotool search --all --onlyvisible --pid "$pid" --name '都道府県別データ表示' 2>/dev/null | wc -l; }
message_shown() { [ "$(statistics_windows)" -ge 2 ]; }
wait_for "the message naming the unreadable set" message_shown
xdotool key Return
back_to_dialog() { [ "$(visible_windows | sort)" = "$dialog_only" ]; }
wait_for "the message to close" back_to_dialog
xdotool key Return
dialog_closed() { [ "$(statistics_windows)" -eq 0 ]; }
wait_for "the statistics dialog to close" dialog_closed
wait_for "a steady picture" steady
kill -TERM "$pid"
expect_clean_end "SIGTERM after the statistics map over a FIFO" 5

# The sea-floor tint of the start sheet over a FIFO in place of an intermediate depth file; the
# depth folder is the one the settings name, so the dialog opens with the layer on.
run_folders depth
mkdir -p "$VELDORAN_HOME/DEPTH/SEAFLOOR" "$(dirname "$VELDORAN_PROFILE")"
mkfifo "$VELDORAN_HOME/DEPTH/SEAFLOOR/Sf5235.dat"
printf '[System]\nSubmarine=%s\n' "$(windows_path "$VELDORAN_HOME/DEPTH/" | sed 's/\\/\\\\/g')" >"$VELDORAN_PROFILE"
launch
wait_for "the first map" map_window
win=$(map_window)
wait_for "a steady picture" steady
focus_main
xdotool key ctrl+o
wait_for "the sea-floor dialog" window_named '海底地形'
xdotool key Return
no_sea_floor_dialog() { ! window_named '海底地形'; }
wait_for "the sea-floor dialog to close" no_sea_floor_dialog
wait_for "a steady picture" steady
redisplay
kill -TERM "$pid"
expect_clean_end "SIGTERM after the depth tint and 地図再表示 over a FIFO" 5

# ---- 3. A long conversion ended while it runs
# The sources, and what the converter writes of them: each output the program leaves must be
# that file, byte for byte.
sources=$work/n03
"$make_sources" "$sources" 60 2000
"$converter" "$sources" n03 >/dev/null
mv "$sources/CityPlgn" "$work/converted"

# ﾏｯﾋﾟﾝｸﾞ > 行政界・海岸線変換..., its last item; the folder typed into the dialog, OK, はい.
converting() { [ -d "$sources/CityPlgn" ]; }
long_conversion() {
    local ending=$1 output done=0
    rm -rf "$sources/CityPlgn"
    start_program "conversion-$ending"
    open_menu alt+m
    xdotool key Up Return
    wait_for "the conversion dialog" window_named '行政界・海岸線変換'
    xdotool key ctrl+a
    xdotool type --delay 2 "$(windows_path "$sources/")"
    xdotool key Return
    wait_for "the question" window_named '^Veldoran$'
    xdotool key Return
    wait_for "the conversion to begin" converting
    case $ending in
        close) "$probe" close "$win" ;;
        *) kill -"$ending" "$pid" ;;
    esac
    expect_clean_end "$ending during the conversion" 5
    shopt -s nullglob dotglob
    for output in "$sources/CityPlgn"/*; do
        case $(basename "$output") in
            Pg001_*.dat) cmp -s "$output" "$work/converted/$(basename "$output")" || fail "$ending: $output is not whole" ;;
            *) fail "$ending: $(basename "$output") left in CityPlgn" ;;
        esac
        done=$((done + 1))
    done
    shopt -u nullglob dotglob
    echo "conversion ended by $ending after $done of 60 files"
}
long_conversion TERM
long_conversion close

echo "end to end: reliability passed"
