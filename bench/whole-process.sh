#!/usr/bin/env bash
# Whole runs, start to exit, side by side with GMT (not run by CI): the program's picture writer
# (build/bench/veldoran-whole-picture) against GMT drawing the same into a picture file.
#   - the Japan overview: coastlines and borders in the Albers conic (GMT: coast, low resolution);
#   - the coastal-sea mesh: 380,000 third-order cells over all of Japan (GMT: grdimage of a grid of
#     the same extent and cell size, 45" x 30").
# Both write 1024 x 768 pictures (the program a BMP, GMT a PNG at 100 dpi). The runs are paired
# (program, then GMT, each round) so the machine's load hits both alike; the medians and their
# ratio are printed, of the wall times and of the CPU times (user + system).
#   whole-process.sh [rounds (default 5)] [build folder (default build/)]
# GMT is the Debian package gmt with gmt-gshhg-low and gmt-dcw; it is installed with apt only when
# gmt is missing or cannot draw the coastlines (the script says so first).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds="${1:-5}"
build=$(realpath "${2:-$top/build}")
tool="$build/bench/veldoran-whole-picture"
[ -x "$tool" ] || { echo "whole-process: $tool is missing (build the tree first)" >&2; exit 1; }

# GMT's own coast data decides, whichever package or folder it came from: the overview's coastlines
# and borders dumped at low resolution.
gmt_has_coasts() { gmt coast -R122/154/20/46 -Dl -W -N1 -M >/dev/null 2>&1; }
if ! command -v gmt >/dev/null || ! gmt_has_coasts; then
  echo "whole-process: GMT or its coastlines are missing; installing gmt gmt-gshhg-low gmt-dcw with apt"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends gmt gmt-gshhg-low gmt-dcw ghostscript
fi

work=$(mktemp -d /tmp/veldoran-whole-process.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/mesh" "$work/gmt"
cp -r "$build/bin/data/." "$work/home/"
export VELDORAN_HOME="$work/home" VELDORAN_PROFILE="$work/home/profile.ini"

# The mesh file in the published layout: "M", four spaces, the 8-digit cell code, a 4-digit value.
awk 'BEGIN {
  for (i = 0; i < 380000; ++i) {
    mesh = int(i / 6400); n = i % 6400
    lat = 36 + (int(mesh / 6) * 3) % 30; lon = 36 + (mesh % 6) * 2
    printf "M    %02d%02d%d%d%d%d%4d\r\n", lat, lon, int(n / 800), int(n / 10) % 8, int(n / 80) % 10, n % 10, (i * 13) % 3000 + 1
  }
}' > "$work/mesh/sea.txt"
# GMT's grid: Japan (122-154 E, 20-46 N) in cells of 45 x 30 arc-seconds.
(cd "$work/gmt" && gmt grdmath -R122/154/20/46 -I45s/30s X Y ADD = grid.nc)

# One run of the command: "<wall us> <cpu us>", the CPU time (user + system, the command and its
# children) being the steadier figure on a loaded machine.
timed() {
  local start end cpu status=0
  start=$(date +%s%N)
  cpu=$( { TIMEFORMAT='%U %S'; time "$@" >/dev/null 2>&1; } 2>&1 ) || status=$?
  end=$(date +%s%N)
  [ "$status" -eq 0 ] || { echo "whole-process: failed: $*" >&2; return 1; }
  echo "$(( (end - start) / 1000 )) $(awk -v u="${cpu% *}" -v s="${cpu#* }" 'BEGIN { printf "%d", (u + s) * 1000000 }')"
}

gmt_overview() {
  cd "$work/gmt" && gmt begin overview png E100 && \
    gmt coast -R122/154/20/46 -JB138/36/26/46/10.24i -Dl -W0.25p,black -N1/0.25p,orange -Bg5 && gmt end
}
gmt_mesh() {
  cd "$work/gmt" && gmt begin mesh png E100 && gmt grdimage grid.nc -JX10.24i/7.68i -Cturbo && gmt end
}

declare -a ours_overview gmt_overview_t ours_mesh gmt_mesh_t
declare -a ours_overview_cpu gmt_overview_cpu ours_mesh_cpu gmt_mesh_cpu
for ((i = 0; i < rounds; ++i)); do
  run=$(timed "$tool" overview "$work/overview.bmp"); ours_overview+=("${run% *}"); ours_overview_cpu+=("${run#* }")
  run=$(timed gmt_overview); gmt_overview_t+=("${run% *}"); gmt_overview_cpu+=("${run#* }")
  run=$(timed "$tool" mesh "$work/mesh" "$work/mesh.bmp"); ours_mesh+=("${run% *}"); ours_mesh_cpu+=("${run#* }")
  run=$(timed gmt_mesh); gmt_mesh_t+=("${run% *}"); gmt_mesh_cpu+=("${run#* }")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
report() {
  local name=$1 ours=$2 theirs=$3
  awk -v n="$name" -v a="$ours" -v b="$theirs" \
    'BEGIN { printf "%-10s program %8.1f ms   GMT %8.1f ms   GMT / program %6.1fx\n", n, a / 1000, b / 1000, b / a }'
}
echo "whole runs, medians of $rounds paired rounds (wall time):"
report overview "$(median "${ours_overview[@]}")" "$(median "${gmt_overview_t[@]}")"
report mesh "$(median "${ours_mesh[@]}")" "$(median "${gmt_mesh_t[@]}")"
echo "CPU time (user + system), medians:"
report overview "$(median "${ours_overview_cpu[@]}")" "$(median "${gmt_overview_cpu[@]}")"
report mesh "$(median "${ours_mesh_cpu[@]}")" "$(median "${gmt_mesh_cpu[@]}")"
