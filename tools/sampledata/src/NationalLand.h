#pragma once
// The national-land sample layers: rivers, prefectural offices and airports as per-prefecture
// or single point and line files, the table of the prefectures of each first-level mesh, and the
// settings rows that make them ready in the layer dialogs.
#include "Output.h"
#include "Prefectures.h"

#include <map>
#include <set>

namespace sampledata {

// The prefecture whose polygon holds the point; failing one, the prefecture of the nearest
// polygon vertex when that is within about 10 km (a point on the coast or just off it); else 0.
int prefectureOfPoint(LonLat p, const std::vector<PrefecturePolygon>& polygons);

// First-level meshes and the prefectures found in them.
using MeshPrefectures = std::map<int, std::set<int>>;

// Every mesh a prefecture polygon reaches (its vertices and the sample points of the meshes in
// its box that lie inside it).
void addPolygonMeshes(const std::vector<PrefecturePolygon>& polygons, MeshPrefectures* meshes);

// Msh_prft.dat: "MMMM=pp pp" (at most 10 codes, code order), LF-ended lines in mesh order.
ByteBuffer meshPrefectureFile(const MeshPrefectures& meshes);

// River lines by prefecture code, each with its source level: every line cut where it enters
// another prefecture (the point of the cut ends one piece and starts the next); points of no
// prefecture are left out.
struct RiverPiece {
  int level = 0;
  Polyline points;
};
using RiverPieces = std::map<int, std::vector<RiverPiece>>;
RiverPieces cutRiversByPrefecture(const std::vector<Polyline>& rivers, const std::vector<int>& levels,
                                  const std::vector<PrefecturePolygon>& polygons);

// RIVER_S_pp.txt by prefecture code: records of N points, five pairs a line, tenths of an
// arc-second, "S" last. Adds each written point's mesh to `meshes`.
std::map<int, ByteBuffer> riverFiles(const RiverPieces& pieces, MeshPrefectures* meshes);

// RVLEN_S_pp.txt by prefecture code: per third-order cell the rivers cross, a tag, the cell's
// code at 5-12 and the length in metres "%6d" at 33 (levels 1-3), 45 (level 4), 51 (others),
// zeros at 39, 57, 63, 69, 75.
std::map<int, ByteBuffer> riverLengthFiles(const RiverPieces& pieces, MeshPrefectures* meshes);

// The eight-digit code of the third-order cell that holds the point.
std::string thirdMeshCodeOf(LonLat p);

// Great-circle distance on a sphere of the earth's mean radius.
double distanceKm(LonLat a, LonLat b);

// FACIL_S_pp.txt by prefecture code: the prefectural office as a public facility.
std::map<int, ByteBuffer> officeFiles(const std::vector<Prefecture>& prefectures, MeshPrefectures* meshes);

struct Airport {
  std::string ident;  // the source's identifier (mostly the ICAO code)
  std::string name;   // Japanese where the names table knows it, else the source's English name
  LonLat at;
  int prefecture = 0;
};

// Japanese names by the source's identifier: "<id>\t<name>" lines, "#" for comments (the airports'
// and the towns' tables of tools/sampledata/inputs/). Throws on a bad or repeated line.
std::map<std::string, std::string> readNameTable(const std::string& tsvPath);

// The Japanese medium and large airports of airports.json (OurAirports), in the file's order,
// each named from `japaneseNames` where it holds the airport's identifier.
std::vector<Airport> readAirports(const std::string& jsonPath,
                                  const std::map<std::string, std::string>& japaneseNames);

// AIRPORT_S.TXT: one point record per airport.
ByteBuffer airportFile(const std::vector<Airport>& airports, MeshPrefectures* meshes);

// SAMPLE.DAT: "<settings file> <settings line>" lines, the files in "@:" form.
ByteBuffer sampleSettingsFile();

}  // namespace sampledata
