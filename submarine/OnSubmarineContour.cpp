// Ombrisk's contour map of the sea floor: the depth contour lines of a block, from its intermediate
// depth files or straight from the depth text files around it, with the deepest point crossed in
// red.
#include "contracts/ombrisk.h"

#include "basemap/drawing/DrawingGuard.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "submarine/depthmaps/DeepestDepth.h"
#include "submarine/depthmaps/DepthBlock.h"
#include "submarine/depthmaps/DepthContourTracer.h"
#include "submarine/depthmaps/DepthTextSquares.h"

#include <optional>

namespace {

constexpr int kNarrowWidth = 800;
constexpr int kFromTextFiles = 0;

// The greatest cell and the first that holds it, columns outer and rows inner.
DeepestDepth DeepestCell(const DepthGrid& grid)
{
    DeepestDepth deepest;
    for (int column = 0; column < grid.Side(); ++column)
        for (int row = 0; row < grid.Side(); ++row)
            deepest.Offer(grid.At(row, column), row, column);
    return deepest;
}

// The soundings of the depth text files of (blockSize + 1)^2 degrees placed in the grid (the
// first in a cell wins), then the gap fill; the deepest sounding of the area, wherever its cell.
DeepestDepth ReadTextFiles(vd::Dc& dc, const std::string& depthFolder, const std::string& meshCode, int statusBase,
                           int blockSize, const DepthMapArea& area, DepthGrid& grid)
{
    const int side = grid.Side();
    const float secondsPerColumn = float(area.east - area.west) / float(side - 1);
    const float secondsPerRow = float(area.north - area.south) / float(side - 1);
    DeepestDepth deepest;
    for (const std::string& path : DepthTextSquares(depthFolder, meshCode, blockSize + 1)) {
        if (!vd::fileExists(path))
            continue;
        dc.SetBkColor(vd::RGB(255, 255, 255));
        WriteDepthReadingStatus(dc, path, statusBase);
        dc.SetTextColor(vd::RGB(0, 0, 0));
        const auto soundings = ReadDepthTextFile(path);
        if (!soundings)
            continue;
        for (const DepthSounding& sounding : *soundings) {
            int latitude = 0;
            int longitude = 0;
            if (!SoundingSeconds(sounding, latitude, longitude) || longitude < area.west || longitude > area.east ||
                latitude < area.south || latitude > area.north)
                continue;
            const int column = TruncatePixel(float(longitude - area.west) / secondsPerColumn);
            const int row = TruncatePixel(float(area.north - latitude) / secondsPerRow);
            deepest.Offer(sounding.depthMetres, row, column);
            if (row < side && column < side && grid.At(row, column) == 0)
                grid.Cell(row, column) = sounding.depthMetres;
        }
    }
    grid.FillGaps(false);
    return deepest;
}

} // namespace

extern "C" void OnSubmarineContour(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase, int width,
                                   int /*method*/, int source, int /*reserved*/, float offsetX, float offsetY,
                                   float scaleX, float scaleY, int east, int north, int west, int south, int blockSize,
                                   int baseColour)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const DepthMapArea area{offsetX, offsetY, scaleX, scaleY, east, north, west, south};
        const auto side = DepthBlockGridSide(blockSize);
        if (!side || area.Empty())
            return;
        const auto pens = MakeContourPens(ContourPenSet::ContourMap, baseColour);
        DepthGrid grid(*side);
        DeepestDepth deepest;
        if (source != kFromTextFiles) {
            const std::vector<DepthBlockFile> files = DepthBlockFiles(depthFolder, meshCode, blockSize);
            if (ExistingDepthFiles(files) == 0)
                return;
            ReadDepthBlock(files, blockSize, grid);
            deepest = DeepestCell(grid);
        } else {
            deepest = ReadTextFiles(dc, depthFolder, meshCode, statusBase, blockSize, area, grid);
        }

        const vd::Pen earlier = dc.SelectObject(pens[0]);
        const ContourAxes axes = MakeContourAxes(area, *side, 1.0f);
        TraceDepthContours(dc, grid, axes, deepest.depth, pens);

        dc.SetBkColor(vd::RGB(255, 255, 255));
        dc.SetBkMode(vd::TRANSPARENT);
        // A deepest sounding whose cell falls outside the grid has no place to be marked.
        if (deepest.Found() && deepest.row < *side && deepest.column < *side)
            DrawDeepestCross(dc, {TruncatePixel(axes.x[deepest.column]), TruncatePixel(axes.y[deepest.row])});
        if (width > kNarrowWidth) {
            dc.TextOut(width - 180, 250, "等深線は100m,200m");
            dc.TextOut(width - 180, 270, "  それ以深で500m間隔");
            dc.TextOut(width - 180, 290, vd::format("最深度=%dm(赤＋地点)", deepest.depth));
        } else {
            dc.TextOut(5, statusBase - 44,
                       vd::format("等深線は100m,200m及びそれ以深で500m間隔  最深度=%dm(赤＋地点)", deepest.depth));
        }
        dc.SetBkMode(vd::OPAQUE);
        dc.SelectObject(earlier);
        dc.SetTextColor(vd::RGB(0, 0, 0));
    });
}
