#pragma once
// 250 m elevation mesh files ("%02d%02d.sem") derived from a relief grid: the heights the tinted
// sheet maps are made from. Land is what the prefecture polygons cover; every other cell is
// written as no data ("-9999").
#include "GeologySynth.h"

namespace sampledata {

// The .sem file of first-level mesh `mesh`: a header line of 1009 characters, then 320 records
// from the northern row down, each the mesh code and two blanks, the row number "%03d" and 320
// values "%05d" from west to east (CR LF line ends). A land cell's value is the relief at its
// centre in whole metres, at least 0.
ByteBuffer elevationMeshFile(const Relief& relief, const std::vector<PrefecturePolygon>& polygons, int mesh);

// The first-level meshes of the 5 x 5 block around the mesh, the block the sheet maps show at most.
std::vector<int> meshBlock5x5(int centreMesh);

}  // namespace sampledata
