#pragma once
// Record format 1: chains ("L" with their coordinate lines), areas built from chain references
// ("A" with reference lines) and area names ("D"). One reader for DrawSurfaceAreas and
// DrawCountrySurfaceC. Chains are kept by their direction from the drawing cell's first-level
// mesh, so an area is resolved around that cell.
#include "layers/render/LayerRenderer.h"

#include <map>
#include <string>

namespace surfaces {

struct AreaAttribute {
    std::string name; // UTF-8, cut at the first blank
    int prefecture = 0;
};
using AreaAttributes = std::map<std::string, AreaAttribute>;

enum class AreaFileKind { Prefecture, Country };

// The "D" records of a file by area code (columns 3-12).
AreaAttributes ReadAreaAttributes(const std::string& winPath, AreaFileKind kind);

struct AreaDrawing {
    int cellMesh = 0; // the drawing cell's first-level mesh number
    int cellCount = 1;
    int fillFlag = 0;
    bool names = false;
    bool prefectureFilter = false; // an area is drawn only when its prefecture is selected
    const AreaAttributes* attributes = nullptr;
};

// The areas of one file, until its first "D" record. False when it cannot be opened.
bool DrawAreaFile(CLayerRenderer& r, const std::string& winPath, const AreaDrawing& drawing);

// The neighbour direction 0-8 of a first-level mesh from the cell's (4: the same), or -1.
int NeighbourDirection(int mesh, int cellMesh);

} // namespace surfaces
