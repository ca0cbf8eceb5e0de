#!/usr/bin/env bash
# The main window end to end on an X server of its own (Xvfb): the built program driven with real
# X events, with or without a window manager. It starts its Xvfb itself on a display it checks is
# its own, so runs side by side (here and on machines that share /tmp) never meet on one display,
# as they can under xvfb-run -a.
#   main-window.sh <veldoran> <veldoran-screen-probe> none|openbox
# 1. Choices from the menus by keyboard (the about box, the font dialog, Ctrl+R's find-place dialog, the
#    redisplay of the right-click menu), a
#    resize, a cover and uncover and the arrow keys: the window shows the same picture as a fresh
#    redisplay of the map, the keys move the map, the exit command ends the run with exit 0 (and,
#    in the sanitizer build, no report).
# 2. In each state (idle, right-click menu open, about box open, the modeless find-place dialog
#    open) each ending (SIGTERM, SIGHUP, the
#    close message of a window manager) ends the program with exit 0 and its settings written.
# 3. The monitor-size window spans the 1280 x 1024 screen's width and stays on it, frame included.
# Every wait polls for its condition and gives up after a bound, so a hang fails the test.
set -euo pipefail

program=$1
probe=$2
wm=$3
source "$(dirname "${BASH_SOURCE[0]}")/e2e-support.sh"
start_x
start_wm

about_box() { xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' | grep .; }
no_about_box() { ! about_box; }

open_about() {
    open_menu alt+h
    xdotool key Down Return
    wait_for "the about box" about_box
}

# ---- 1. Menus, resize, cover, keys, exit
# This run has a user's session without a bus address: Qt's D-Bus thread then goes through
# libdbus's own search for a bus, whose buffers outlive the run; ended from the menu, a sanitizer
# build still exits 0 with no leak report.
session_bus=$DBUS_SESSION_BUS_ADDRESS
unset DBUS_SESSION_BUS_ADDRESS
start_program main
export DBUS_SESSION_BUS_ADDRESS=$session_bus

open_about
xdotool key Return
wait_for "the about box to close" no_about_box

# A dialog chosen from a menu by keyboard opens, and Escape closes it.
dialog_from_menu() {
    local what=$1 before
    shift
    before=$(window_count)
    open_menu "$1"
    shift
    xdotool key "$@"
    # The menu closes before the dialog opens: counted while the menu was still up, the dialog
    # would seem open and the Escape would go to the menu.
    wait_for "the menu to close" menu_closed
    wait_for "$what to open" more_windows_than "$before"
    xdotool key Escape
    wait_for "$what to close" windows_exactly "$before"
}
# 表示 → ﾃｷｽﾄのフォント..., its first enabled item.
dialog_from_menu "the font dialog" alt+v Return

# Ctrl+R, 地点を探す: the modeless find-place dialog opens beside the map; its close box ends it.
find_place() { xdotool search --onlyvisible --name '地点を探す' | grep .; }
no_find_place() { ! find_place; }
focus_main
xdotool key ctrl+r
wait_for "the find-place dialog" find_place
"$probe" close "$(find_place | head -1)"
wait_for "the find-place dialog to close" no_find_place

# A resize draws the map again for the new size, with its buttons: the same picture as a redisplay.
xdotool windowsize "$win" 1000 800
size_is() { xdotool getwindowgeometry "$win" | grep -q "Geometry: $1"; }
wait_for "the new size" size_is 1000x800
wait_for "a steady picture" steady
grab resized
redisplay
grab redisplayed
"$probe" same "$work/resized.png" "$work/redisplayed.png" >/dev/null || fail "the resized window differs from a redisplay"
drawn=$("$probe" drawn "$work/resized.png" 730 60 260 600)
[ "$drawn" -gt 0 ] || fail "nothing drawn where the window grew"

# Covered and uncovered: the picture comes back whole.
geometry=$(xdotool getwindowgeometry --shell "$win")
eval "$geometry"
"$probe" cover "$X" "$Y" 600 600 1500
focus_main
wait_for "a steady picture" steady
grab uncovered
"$probe" same "$work/redisplayed.png" "$work/uncovered.png" >/dev/null || fail "the uncovered window lost its picture"

# After the focus came back the arrow keys move the map.
title=$(xdotool getwindowname "$win")
focus_main
xdotool key Right
wait_for "the right arrow to move the map" title_is_not "$title"

# ﾌｧｲﾙ → ｱﾌﾟﾘｹｰｼｮﾝの終了, the last item of the menu.
open_menu alt+f
xdotool key Up Return
expect_clean_end "the exit command"

# ---- 2. Endings in each state
# close: the message a window manager's close box (or a session's end) sends.
endings=(TERM HUP close)
for state in idle popup about findplace; do
    for ending in "${endings[@]}"; do
        start_program "$state-$ending"
        case $state in
            popup) open_popup ;;
            about) open_about ;;
            findplace)
                focus_main
                xdotool key ctrl+r
                wait_for "the find-place dialog" find_place
                ;;
        esac
        case $ending in
            close) "$probe" close "$win" ;;
            *) kill -"$ending" "$pid" ;;
        esac
        expect_clean_end "$ending with the state $state"
    done
done
# ---- 3. The monitor-size window (環境設定, tab 地図, モニターサイズ版: the setting the next start takes)
# spans the screen's width and stays on it, its title bar and borders (a window manager's frame,
# known only once the window is on screen) counted.
frame_spans_the_screen() {
    local x y w h l=0 r=0 t=0 b=0 extents
    eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
        /^  Width:/ {print "w=" $2} /^  Height:/ {print "h=" $2}')"
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | grep -o '= [0-9, ]*$' | tr -d '= ') || true
    [ -z "$extents" ] || IFS=, read -r l r t b <<<"$extents"
    ((x - l == 0 && x + w + r == 1280 && y - t >= 0 && y + h + b <= 1024))
}
run_folders monitor-size
mkdir -p "$(dirname "$VELDORAN_PROFILE")"
printf '[System]\nScreen=1\n' >"$VELDORAN_PROFILE"
launch
wait_for "the first map" map_window
win=$(map_window)
wait_for "the frame to span the screen and stay on it" frame_spans_the_screen
"$probe" close "$win"
expect_clean_end "the monitor-size window"

echo "end to end: all passed ($wm)"
