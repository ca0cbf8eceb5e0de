# What the end-to-end scripts share (sourced, bash): a work folder removed at the end with every
# process started, an X server of the run's own, the window manager, a fresh program run with
# its own application folder and settings, waits that poll with a bound, the program's windows,
# menus by keyboard and the checks of a clean end.
#   Set `program`, `probe` and `wm` (none|openbox) before sourcing.

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

# wait_for <what> <command...>: polls until the command succeeds, for $patience seconds.
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

start_wm() {
    [ "$wm" = openbox ] || return 0
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    wait_for "the window manager" xprop -root _NET_SUPPORTING_WM_CHECK
}

# run_folders <name>: the application folder and settings of a fresh run (made, not started), so
# a test can put files in place first.
run_folders() {
    run=$work/run-$1
    export VELDORAN_HOME=$run/home/veldoran
    export VELDORAN_PROFILE=$run/config/Lxo/Veldoran.ini
    export XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data
    mkdir -p "$VELDORAN_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
}

# launch: starts the program on the folders of the last run_folders, without waiting.
launch() {
    "$program" >"$work/program.log" 2>&1 &
    pid=$!
    pids+=("$pid")
}

# start_program <name>: a fresh run, waited for until its first map is steady on screen.
start_program() {
    run_folders "$1"
    launch
    # The first map is on screen once the main window's title names the sheet.
    wait_for "the first map" map_window
    win=$(map_window)
    wait_for "a steady picture" steady
}

# xdotool's criteria are alternatives unless --all is given.
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
map_window() { xdotool search --all --onlyvisible --pid "$pid" --name '地勢図' 2>/dev/null | head -1 | grep .; }
window_count() { visible_windows | wc -l; }
title_is_not() { [ "$(xdotool getwindowname "$win")" != "$1" ]; }
title_has() { xdotool getwindowname "$win" | grep -q "$1"; }
more_windows_than() { [ "$(window_count)" -gt "$1" ]; }
windows_exactly() { [ "$(window_count)" -eq "$1" ]; }
window_named() { xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1 | grep .; }
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

# What a sanitizer build reports (an error, undefined behaviour, a leak) in the program's output.
no_sanitizer_report() {
    ! grep -qE '^==[0-9]+==(ERROR|WARNING)|runtime error:|LeakSanitizer|SUMMARY: (Address|Undefined|Leak)Sanitizer' \
        "$work/program.log"
}

# expect_end <what> [seconds]: the program ends within the bound (the step's patience by default)
# with exit 0 and no sanitizer report.
expect_end() {
    local what=$1 status=0
    patience=${2:-$patience} wait_for "the program to end ($what)" ended
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$what: exit status $status"
    no_sanitizer_report || fail "$what: a sanitizer report"
}

# The end of a run: exit 0 and the last map in the settings.
expect_clean_end() {
    expect_end "$@"
    grep -q '^\[LastData\]' "$VELDORAN_PROFILE" || fail "$1: settings not written"
    grep -q '^MapName=' "$VELDORAN_PROFILE" || fail "$1: no last map in the settings"
}
