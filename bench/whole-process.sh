#!/usr/bin/env bash
# Whole runs, start to exit, side by side with GMT (not run by CI): the program's picture writer
# (build/bench/veldoran-whole-picture) against GMT drawing the same into a picture file.
#   - the Japan overview: coastlines and borders in the Albers conic (GMT: coast, low resolution);
#   - the coastal-sea mesh: 380,000 third-order cells over all of Japan (GMT: grdimage of a grid of
#     the same extent and cell size, 45" x 30").
# Both write 1024 x 768 pictures (the program a BMP, GMT a PNG at 100 dpi). The runs are paired
# (program, then GMT, each round) so the machine's load hits both alike; the medians and their
# ratio are printed.
#   whole-process.sh [rounds (default 5)] [build folder (default build/)]
# GMT is the Debian package gmt with gmt-gshhg-low and gmt-dcw; it is installed with apt when
# missing (the script says so first).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds="${1:-5}"
build=$(realpath "${2:-$top/build}")
tool="$build/bench/veldoran-whole-picture"
[ -x "$tool" ] || { echo "whole-process: $tool is missing (build the tree first)" >&2; exit 1; }

if ! command -v gmt >/dev/null || ! dpkg-query -W -f='${Status}' gmt-gshhg-low 2>/dev/null | grep -q 'ok installed'; then
  echo "whole-process: GMT is missing; installing gmt gmt-gshhg-low gmt-dcw with apt"
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

# Milliseconds of one run of the command.
timed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "whole-process: failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

gmt_overview() {
  cd "$work/gmt" && gmt begin overview png E100 && \
    gmt coast -R122/154/20/46 -JB138/36/26/46/10.24i -Dl -W0.25p,black -N1/0.25p,orange -Bg5 && gmt end
}
gmt_mesh() {
  cd "$work/gmt" && gmt begin mesh png E100 && gmt grdimage grid.nc -JX10.24i/7.68i -Cturbo && gmt end
}

declare -a ours_overview gmt_overview_t ours_mesh gmt_mesh_t
for ((i = 0; i < rounds; ++i)); do
  ours_overview+=("$(timed "$tool" overview "$work/overview.bmp")")
  gmt_overview_t+=("$(timed gmt_overview)")
  ours_mesh+=("$(timed "$tool" mesh "$work/mesh" "$work/mesh.bmp")")
  gmt_mesh_t+=("$(timed gmt_mesh)")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
report() {
  local name=$1 ours=$2 theirs=$3
  awk -v n="$name" -v a="$ours" -v b="$theirs" \
    'BEGIN { printf "%-10s program %8.1f ms   GMT %8.1f ms   GMT / program %6.1fx\n", n, a / 1000, b / 1000, b / a }'
}
echo "whole runs, medians of $rounds paired rounds:"
report overview "$(median "${ours_overview[@]}")" "$(median "${gmt_overview_t[@]}")"
report mesh "$(median "${ours_mesh[@]}")" "$(median "${gmt_mesh_t[@]}")"
