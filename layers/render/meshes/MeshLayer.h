#pragma once
// What the third-order mesh members share: the layer pen, the working limits, the cell grid of
// the cell forms, the read limit of the single files, the colour of a class, the finishing
// steps, and the reading of a data file line by line (whole lines, any length).
#include "layers/render/LayerRenderer.h"

#include "platform/fs/TextReader.h"

#include <string>
#include <string_view>

namespace meshes {

using meshcode::kFullDetail;
inline constexpr int kLegendItemCode = 801; // cell forms draw a legend from this item code up
// Label-font codes of the finishing steps.
inline constexpr int kFontCells = 1;
inline constexpr int kFontSmall = -999;
inline constexpr int kFontLarge = -888;

// Stock pen `number` in place of the caller's, then the pen of the item code, until the end of
// the scope; the background mode goes back to opaque then too.
class MeshPen {
public:
    MeshPen(CLayerRenderer& r, int number);
    ~MeshPen();
    MeshPen(const MeshPen&) = delete;
    MeshPen& operator=(const MeshPen&) = delete;

private:
    CLayerRenderer& r_;
    vd::Pen kept_;
};

// The working south and west limits (GridSouth, GridWest): the drawn extent, rounded down to
// whole cells (30 x 45 arc-seconds) when asked. Answers whether they were rounded.
bool SetMeshLimits(CLayerRenderer& r, bool roundToCells);

// The cell forms' grid: the cell size in pixels, the screen origin moved to a cell's top-left
// pixel (CellSizeText).
struct CellSize {
    int width = 0;
    int height = 0;
};
CellSize FitCellGrid(CLayerRenderer& r, int blockCount);

// Consecutive records outside the frame after which a single file stops (once a cell was drawn).
int MeshReadLimit(const CLayerRenderer& r, int blockCount);

// The fill colour of a class, looked up only when the class changes.
class ClassColours {
public:
    vd::COLORREF Of(int cls)
    {
        if (cls != last_) {
            last_ = cls;
            colour_ = CLayerRenderer::ClassRampColour(cls);
        }
        return colour_;
    }

private:
    int last_ = -1000;
    vd::COLORREF colour_ = 0;
};

// The label font of the blocks and a transparent background.
void BeginLabels(CLayerRenderer& r, int blockCount);
// White background, the caller's font back, then the font of `fontCode` for the legend.
void FinishLabels(CLayerRenderer& r, int fontCode);

// The number in `width` characters at `column` (leading-digits rule; 0 past the line's end).
int ColumnValue(std::string_view line, std::size_t column, std::size_t width);

// Each raw line of the file until visit returns false; false when the file cannot be opened.
// The line is read in place: its view holds during the visit only.
template <class Visit>
bool ForEachMeshLine(const std::string& winPath, Visit visit)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    std::string_view line;
    while (reader.readRawLine(line))
        if (!visit(line))
            break;
    return true;
}

inline bool IsHeaderLine(std::string_view line) { return !line.empty() && line[0] == 'H'; }

// Area kind 3: the attribute list may name the cells to draw. The per-prefecture themes then walk
// four cells (takeFourCells); the single files keep their count. WideAreaMode keeps its tens digit.
void ApplyMeshAttributeCells(CLayerRenderer& r, CLayerRenderer::CellWalk& walk, bool takeFourCells);

} // namespace meshes
