#!/usr/bin/env bash
# The main window end to end on an X server of its own (Xvfb): the built program driven with real
# X events, with or without a window manager. It starts its Xvfb itself on a display it checks is
# its own, so runs side by side (here and on machines that share /tmp) never meet on one display,
# as they can under xvfb-run -a.
#   main-window.sh <veldoran> <veldoran-screen-probe> none|openbox
# 1. Choices from the menus by keyboard (the about box, the font dialog, Ctrl+R's find-place dialog, the
#    redisplay of the right-click menu), a
#    resize, a cover and uncover and the arrow keys: the window shows the same picture as a fresh
#    redisplay of the map, the keys move the map, the exit command ends the run.
# 2. In each state (idle, right-click menu open, about box open, the modeless find-place dialog
#    open) each ending (SIGTERM, SIGHUP, the
#    close message of a window manager) ends the program with exit 0 and its settings written.
# Every wait polls for its condition and gives up after a bound, so a hang fails the test.
set -euo pipefail

program=$1
probe=$2
wm=$3
patience=60 # seconds per step, only against a hang

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill -KILL "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No session bus: otherwise libdbus autolaunches one for the fresh display, and Qt's D-Bus thread
# can be mid-call when an ending signal arrives (its buffers then outlive the run).
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus

fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}

# wait_for <what> <command...>: polls until the command succeeds.
wait_for() {
    local what=$1
    shift
    local end=$((SECONDS + patience))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < end)) || fail "timed out waiting for: $what"
        sleep 0.1
    done
}

# An X server of our own on a display nobody uses: other machines' servers may share /tmp (and
# their locks look stale from here), so the display is ours only once its lock names our server
# and it answers.
start_x() {
    local attempt n xpid end
    for attempt in 1 2 3 4 5 6 7 8; do
        n=$((200 + RANDOM % 700))
        { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
        # -noreset: without a window manager the server has no client between two runs of the
        # program (or after the readiness check below) and resets; a program connecting during
        # the reset was refused ("could not connect to display") on a busy machine.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xpid=$!
        end=$((SECONDS + patience))
        while kill -0 "$xpid" 2>/dev/null && ((SECONDS < end)); do
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$xpid" ] && DISPLAY=":$n" xprop -root >/dev/null 2>&1; then
                pids+=("$xpid")
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$xpid" 2>/dev/null || true
        wait "$xpid" 2>/dev/null || true
    done
    fail "no X server could be started"
}
start_x

if [ "$wm" = openbox ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    wait_for "the window manager" xprop -root _NET_SUPPORTING_WM_CHECK
fi

# A fresh run with its own application folder and settings.
start_program() {
    local run=$work/run-$1
    export VELDORAN_HOME=$run/home/veldoran
    export VELDORAN_PROFILE=$run/config/Lxo/Veldoran.ini
    export XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data
    "$program" >"$work/program.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    # The first map is on screen once the main window's title names the sheet.
    wait_for "the first map" map_window
    win=$(map_window)
    wait_for "a steady picture" steady
}

visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
map_window() { xdotool search --onlyvisible --pid "$pid" --name '地勢図' 2>/dev/null | head -1 | grep .; }
window_count() { visible_windows | wc -l; }
title_is_not() { [ "$(xdotool getwindowname "$win")" != "$1" ]; }
more_windows_than() { [ "$(window_count)" -gt "$1" ]; }
windows_exactly() { [ "$(window_count)" -eq "$1" ]; }
about_box() { xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' | grep .; }
no_about_box() { ! about_box; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

grab() { "$probe" grab "$win" "$work/$1.png"; }
# The picture has settled: two grabs a moment apart are the same.
steady() {
    grab steady-a && sleep 0.3 && grab steady-b && "$probe" same "$work/steady-a.png" "$work/steady-b.png"
}

focus_main() {
    if [ "$wm" = openbox ]; then xdotool windowactivate --sync "$win"; else xdotool windowfocus --sync "$win"; fi
}

# A window of the program that was not on screen in the list given.
new_window_since() { [ -n "$(comm -13 <(echo "$1") <(visible_windows | sort))" ]; }
menu_closed() { ! visible_windows | grep -qx "$menu"; }

# Opens a menu of the bar by its Alt key and waits until the menu is on screen, so the keys that
# follow reach the menu, not the map (sent at once they could arrive before it opened). Its window
# is then in $menu.
open_menu() {
    local before
    before=$(visible_windows | sort)
    focus_main
    xdotool key "$1"
    wait_for "the menu of $1" new_window_since "$before"
    menu=$(comm -13 <(echo "$before") <(visible_windows | sort) | head -1)
}

# The right-click menu at a point off the map's frame.
open_popup() {
    local before
    before=$(window_count)
    xdotool mousemove --window "$win" 4 40 click 3
    wait_for "the right-click menu" more_windows_than "$before"
}

# 地図再表示, the first item of the right-click menu, chosen by keyboard.
redisplay() {
    local before
    before=$(window_count)
    open_popup
    xdotool key Down Return
    wait_for "the menu to close" windows_exactly "$before"
    wait_for "a steady picture" steady
}

open_about() {
    open_menu alt+h
    xdotool key Down Return
    wait_for "the about box" about_box
}

# The end of a run: exit 0 and the last map in the settings.
expect_clean_end() {
    local what=$1 status=0
    wait_for "the program to end ($what)" ended
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$what: exit status $status"
    grep -q '^\[LastData\]' "$VELDORAN_PROFILE" || fail "$what: settings not written"
    grep -q '^MapName=' "$VELDORAN_PROFILE" || fail "$what: no last map in the settings"
}

# ---- 1. Menus, resize, cover, keys, exit
start_program main

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
echo "end to end: all passed ($wm)"
