#pragma once
// The blocks of first-level cells that a layer draws one cell at a time, chosen by the area kind
// (0 the detailed map's own 1, 2 x 2 or 3 x 3 blocks; 1 and 2 the named wide-area blocks; 3 and
// 4 single cells), and the geometry values the layers size their cells and symbols with.
#include <array>
#include <string>
#include <string_view>

namespace meshcode {

inline constexpr std::string_view kWideArea3 = "広域3";
inline constexpr std::string_view kWideArea5 = "広域5";
inline constexpr std::string_view kWideArea5_7 = "広域5_7";

// What a drawing call says about its block.
struct WideAreaBlock {
    int areaKind = 0;
    int wideAreaMode = 0;
    int blockMode = 0;
    std::string_view wideAreaName;
    std::string_view meshCode;     // area kind 0: the south-east cell
    std::string_view blockCentre3; // the centre of a 広域3 block
    std::string_view blockCentre5; // the centre of a 広域5 or 広域5_7 block
};

// The detail level of a drawing that walks its cells in full (sub-cells, labels, margins).
inline constexpr int kFullDetail = 3;

// Some answers also change the call's fields: the wide-area mode and full detail (detail level 3).
struct BlockCount {
    int cells = 1;
    int wideAreaMode = 0;
    bool fullDetail = false;
};
BlockCount BlockCellCount(const WideAreaBlock& block);

// The most cells a drawing call walks: the 7 x 7 block of the widest area.
inline constexpr int kMostBlockCells = 49;

// A cell count from a caller held to what the program draws: above the largest block it is that
// block, -1 (the block's own count) stays, any other negative count walks no cell.
constexpr int HeldCellCount(int cellCount)
{
    return cellCount < -1 ? 0 : cellCount > kMostBlockCells ? kMostBlockCells : cellCount;
}

// The mesh code of cell n, counted row by row from the north-west corner; empty when the block
// has no rule for it.
std::string BlockCellMeshCode(const WideAreaBlock& block, int n);

// Cell n, row by row from the north-west, of a side x side block centred on `centre`.
int CentredBlockCellCode(int side, int centre, int n);

// Cell n of a white-map block of 9 or 25 cells around the centre code; other counts keep the
// given text.
std::string WhiteBlockCellCode(int cellCount, int centre, int n, std::string_view given);

struct BlockGeometryValues {
    std::array<int, 8> values{}; // OptionList 50-57
    int wideAreaMode = 0;
    bool fullDetail = false;
};
BlockGeometryValues BlockGeometry(const WideAreaBlock& block);

// The four cells of the wide-area mode: the north-west cells of the four 2 x 2 sub-blocks of a
// 4 x 4 block list ("code|code|...", row by row), fields 0, 2, 8 and 10, each cut to its
// four-digit code. A code already taken is left empty, so no cell is drawn twice.
std::array<std::string, 4> WideAreaQuadCodes(std::string_view list);

// The factor by which a block of `count` cells shrinks the screen scales, so that the cells'
// rounded sizes still fit the picture (1 for a single cell).
float BlockScaleShrink(int count, int mode, int variant);

} // namespace meshcode
