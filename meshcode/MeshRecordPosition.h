#pragma once
// Where a national-land record lies: the cell of a third- or second-level mesh record, the point
// of a point record, and the relief grid origin of one block of a mesh layer. Lines are raw CP932
// records; columns count from 0 and are read with the leading-digits rule (a column past the end
// of the line reads as 0).
#include "meshcode/MeshCode.h"

#include <optional>
#include <string_view>

namespace meshcode {

// The window a mesh layer decodes into: the drawn extent with its south and west edges rounded
// down to the grid of the cells.
struct CellWindow {
    int gridWest = 0;
    int gridSouth = 0;
    int north = 0;
    int east = 0;
};

// A third-level record: the code in columns 5-12. Cells on the north or east edge lie outside.
std::optional<MeshCorner> ThirdMeshRecordCorner(std::string_view line, const CellWindow& window);

// A second-level record: the code in columns 0-5. Cells on the north or east edge are kept.
std::optional<MeshCorner> SecondMeshRecordCorner(std::string_view line, const CellWindow& window);

// A point record: longitude in columns 9-16 and latitude in 17-24, in tenths of an arc-second,
// as whole arc-seconds (truncated).
MeshCorner PointRecordSeconds(std::string_view line);

// Where block n of a mesh layer's relief grid starts and how long its rows are.
struct GridOrigin {
    int rowLength = 0;
    int longitude = 0;
    int latitude = 0;
    friend bool operator==(const GridOrigin&, const GridOrigin&) = default;
};
// Block n of k x k blocks (cell count 1, 4, 9 or 25) whose south-west corner is given; blocks
// run row by row from the north-west. A single cell of area kind 3 is a second-level cell
// (the mesh text with the second-level mode and shift); any other cell count has no grid and
// gives the longitude in every field.
GridOrigin CellGridOrigin(int cellCount, int n, int longitude, int latitude, int areaKind,
                          std::string_view meshText, int secondMeshMode, int secondMeshShift);

} // namespace meshcode
