#pragma once
// AREA_S__pp.txt: the prefecture areas of the surface layer as chains and areas. Every polygon
// is clipped to each first-level mesh it reaches, so an area's chains lie in its own mesh; its
// outline is cut into chains at second-level cell edges.
#include "NationalLand.h"

namespace sampledata {

// The files by prefecture code; adds each area's mesh to `meshes`. Throws when a cell would
// need more chains than the record numbers allow.
std::map<int, ByteBuffer> surfaceAreaFiles(const std::vector<PrefecturePolygon>& polygons,
                                           const std::vector<Prefecture>& prefectures, MeshPrefectures* meshes);

}  // namespace sampledata
