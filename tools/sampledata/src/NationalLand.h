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

// RIVER_S_pp.txt by prefecture code: each river line cut where it enters another prefecture
// (the point of the cut is written in both pieces); records of N points, five pairs a line,
// tenths of an arc-second, "S" last. Adds each written point's mesh to `meshes`.
std::map<int, ByteBuffer> riverFiles(const std::vector<Polyline>& rivers,
                                     const std::vector<PrefecturePolygon>& polygons, MeshPrefectures* meshes);

// FACIL_S_pp.txt by prefecture code: the prefectural office as a public facility.
std::map<int, ByteBuffer> officeFiles(const std::vector<Prefecture>& prefectures, MeshPrefectures* meshes);

struct Airport {
  std::string name;  // English, from the source
  LonLat at;
  int prefecture = 0;
};

// The Japanese medium and large airports of airports.json (OurAirports), in the file's order.
std::vector<Airport> readAirports(const std::string& jsonPath);

// AIRPORT_S.TXT: one point record per airport.
ByteBuffer airportFile(const std::vector<Airport>& airports, MeshPrefectures* meshes);

// SAMPLE.DAT: "<settings file> <settings line>" lines, the files in "@:" form.
ByteBuffer sampleSettingsFile();

// Tenths of an arc-second, the unit of the national-land records; rounded to the nearest.
inline int32_t toTenthSeconds(double degrees) {
  return static_cast<int32_t>(std::llround(degrees * 36000.0));
}

}  // namespace sampledata
