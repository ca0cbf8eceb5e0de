#pragma once
// The frame of the detailed linear maps (one sheet, a block of sheets, or a free extent) and the
// region files of the mesh-cut line data that it needs.
#include "basemap/files/MeshPolylineFile.h"
#include "basemap/projection/SansonProjection.h"

#include <optional>
#include <string>
#include <vector>

struct ArcBox {
    int south = 0;
    int west = 0;
    int north = 0;
    int east = 0;
};

struct SheetFrame {
    int mapMode = 1;
    ArcBox meshes; // whole first-level meshes whose records are read
    ArcBox clip;   // the drawn extent (equal to `meshes` in map modes 1 and 2)

    // Whether a mesh's south-west corner lies in the frame.
    bool Accepts(int meshCode) const;
    // A point of a mesh on the map: modes 1 and 2 place it in sheet units (320 to a sheet side,
    // as the caller draws the sheet frame, so mesh corners land on the frame's lines); mode 3 in
    // arc-seconds, nullopt outside the clip box.
    std::optional<PixelPoint> Place(int meshCode, MeshRecord point, int unitsPerMesh, int originX, int originY,
                                    float scaleX, float scaleY) const;
};

// Map mode 1 (one sheet at (south, west)), 2 (a block of 9, 25 or 49 sheets around it; another
// count keeps the limits) or 3 (a free extent widened to whole meshes). Other modes have no frame.
std::optional<SheetFrame> MakeSheetFrame(int mapMode, int sheetCount, int west, int south, int east, int north);

// Region files: coastNN.dat 1..6 and pfctrNN.dat 1..3, for a mesh.
int CoastRegionOfMesh(int latitudeCode, int longitudeCode);
// 0 for meshes from latitude code 63 (no prefecture-border file covers them).
int BorderRegionOfMesh(int latitudeCode, int longitudeCode);

// Every region file that a mesh of the frame falls in, in file order.
std::vector<int> CoastRegionsOfFrame(const ArcBox& meshes);
std::vector<int> BorderRegionsOfFrame(const ArcBox& meshes);

std::string CoastFileName(int region);  // "coast01.dat"
std::string BorderFileName(int region); // "pfctr01.dat"

