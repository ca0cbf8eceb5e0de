#pragma once
// Encoders of the base-map files.
#include "MeshSplit.h"
#include "Output.h"
#include "Prefectures.h"
#include "Sheets.h"

namespace sampledata {

inline constexpr int32_t kPenUp = 999;         // (999, 999) lifts the pen / closes a lake
inline constexpr int16_t kMeshHeader = -7777;  // (-7777, mesh code) starts a mesh
inline constexpr int16_t kMeshPenUp = -999;    // (-999, 0) lifts the pen in a mesh file

// Records of (latitude, longitude) in 1/10000 degree; every line starts after a (999, 999) and
// the file ends with one. Lines that round to a single point are left out.
ByteBuffer outlineFile(const std::vector<Polyline>& lines);

// The prefecture polygons: each ring after a (999, 999) record and a header (code, 0); the file
// ends with (999, 999) and a header, so that the last ring is closed off like the others.
ByteBuffer prefecturePolygonFile(const std::vector<PrefecturePolygon>& polygons);

// Mesh-cut lines of the given meshes, in mesh-code order: a header per mesh, then each piece
// after a pen-up record. unitsPerSide: 319 for the border files, 3190 for the coast files.
ByteBuffer meshLineFile(const MeshPieces& pieces, const std::vector<int>& meshes, int unitsPerSide);

// Lakes in whole arc-seconds: the box's south-west and north-east corners, the closed outline,
// then (999, 999).
ByteBuffer lakeFile(const std::vector<Polyline>& rings);

// The prefecture label table (CP932 text): one line per prefecture in code order.
ByteBuffer prefectureTableFile(const std::vector<Prefecture>& prefectures);

// The sheet index (CP932 text).
ByteBuffer sheetIndexFile(const std::vector<Sheet>& sheets);

// The file of each region: coast01..06 and pfctr01..03 (1-based number).
int coastFileOfMesh(int mesh);
int borderFileOfMesh(int mesh);  // 0 where no border file is read (latitude code 63 and above)

}  // namespace sampledata
