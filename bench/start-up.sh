#!/usr/bin/env bash
# A start of the program beside the least a Qt program does to show a map (not run by CI): the
# program (build/bin/veldoran) started on an application folder that an earlier start made, and
# the floor program (build/bench/veldoran-floor-program: one 1024 x 768 window painting a line and
# a Japanese text). Each run ends after its first paint (of the map view; of the floor's window)
# once its paints have come to rest (a first paint may ask for the next one, which draws the map):
# the preloaded shim build/bench/libveldoran-first-paint-shim.so then ends the event loop, so the
# program shuts down as it does when closed; the quiet spell it waits for is left out. Both run on one
# Xvfb server, in pairs (program, then floor, each round) so the machine's load hits both alike.
# Printed: the medians of each phase, of the time to the first paint and of the whole run, the
# ratios program / floor, and the load average before and after.
#   start-up.sh [rounds (default 11)] [build folder (default build/)]
# Phases: loader (exec to the end of dynamic loading), toolkit (QApplication built), start (the
# program's own start: static set-up, main up to QApplication and after it up to the event
# loop), first paint (event loop entered to the paint that rests done), exit (event loop ended to
# the process's end).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds="${1:-11}"
build=$(realpath "${2:-$top/build}")
program="$build/bin/veldoran"
floor="$build/bench/veldoran-floor-program"
shim="$build/bench/libveldoran-first-paint-shim.so"
for f in "$program" "$floor" "$shim"; do
  [ -e "$f" ] || { echo "start-up: $f is missing (build the tree first)" >&2; exit 1; }
done

# One X server for every run: its own start is no part of either program's.
if [ -z "${VD_START_UP_ON_XVFB:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "start-up: xvfb-run is missing (scripts/setup.sh installs it)" >&2; exit 1; }
  VD_START_UP_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" "$rounds" "$build"
fi

work=$(mktemp -d /tmp/veldoran-start-up.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
export VELDORAN_HOME="$work/home" VELDORAN_PROFILE="$work/home/profile.ini"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# One run: the phases in microseconds, "loader toolkit start paint exit to-paint whole".
run() {
  local class=$1 begin end
  shift
  rm -f "$work/times"
  begin=$(date +%s%N)
  VD_FIRST_PAINT_CLASS="$class" VD_START_TIMES="$work/times" LD_PRELOAD="$shim" timeout 60 "$@" >/dev/null 2>&1 \
    || { echo "start-up: failed: $*" >&2; return 1; }
  end=$(date +%s%N)
  [ -s "$work/times" ] || { echo "start-up: $* ended before its first paint" >&2; return 1; }
  awk -v begin="$begin" -v end="$end" '{ t[$1] = $2 } END {
    printf "%d %d %d %d %d %d %d\n", (t["loaded"] - begin) / 1000, (t["started"] - t["toolkit"]) / 1000,
      (t["toolkit"] - t["loaded"] + t["exec"] - t["started"]) / 1000, (t["painted"] - t["exec"]) / 1000,
      (end - t["exit"]) / 1000, (t["painted"] - begin) / 1000, (t["painted"] - begin + end - t["exit"]) / 1000 }' "$work/times"
}

# The earlier start that makes the application folder and the profile.
run vd::ViewWidget "$program" >/dev/null

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
: > "$work/program.txt"
: > "$work/floor.txt"
for ((i = 0; i < rounds; ++i)); do
  run vd::ViewWidget "$program" >> "$work/program.txt"
  run "(anonymous namespace)::FloorPaint" "$floor" >> "$work/floor.txt"
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "start to first paint, medians of $rounds paired rounds (ms); load average $load_before before, $load_after after:"
printf '%-12s %10s %10s %8s\n' phase program floor ratio
names=(loader toolkit start "first paint" exit "to paint" "whole run")
for column in 1 2 3 4 5 6 7; do
  ours=$(cut -d' ' -f"$column" "$work/program.txt" | median)
  theirs=$(cut -d' ' -f"$column" "$work/floor.txt" | median)
  awk -v n="${names[column - 1]}" -v a="$ours" -v b="$theirs" \
    'BEGIN { printf "%-12s %10.1f %10.1f %7.2fx\n", n, a / 1000, b / 1000, (b > 0 ? a / b : 0) }'
done
