#pragma once
// The cell size and screen origin of a seismic mesh block, as the mesh layers' layout text gives
// them: four "/"-separated thousandths, the first two truncated to whole pixels.
#include <string>

namespace seismic {

struct CellLayout {
    int cellWidth = 0;
    int cellHeight = 0;
    float xOffset = 0;
    float yOffset = 0;
};

CellLayout ParseCellLayout(const std::string& text);

} // namespace seismic
