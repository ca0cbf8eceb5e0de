#include "submarine/depthmaps/DepthShadedMap.h"

#include "platform/text/Format.h"
#include "submarine/depthmaps/DeepestDepth.h"
#include "submarine/depthmaps/DepthBlock.h"
#include "submarine/depthmaps/DepthColours.h"
#include "submarine/depthmaps/DepthContourTracer.h"
#include "submarine/files/IntermediateDepthFile.h"

namespace {

// Texts move to a right-hand column on drawing areas wider than this.
constexpr int kNarrowWidth = 800;
constexpr vd::COLORREF kWhite = vd::RGB(255, 255, 255);

// Tint: every cell with a depth. Relief: all but the last row and column, which have no east or
// south neighbour to give a slope.
DeepestDepth FillCells(vd::Dc& dc, const DepthGrid& grid, const DepthCellPlacement& placement, DepthShading shading,
                       int baseColour)
{
    const DepthTintTable table = MakeDepthTintTable(baseColour);
    const int end = shading == DepthShading::Tint ? grid.Side() : grid.Side() - 1;
    DeepestDepth deepest;
    for (int column = 0; column < end; ++column)
        for (int row = 0; row < end; ++row) {
            const int depth = grid.At(row, column);
            if (depth == 0)
                continue;
            const vd::COLORREF colour =
                shading == DepthShading::Tint
                    ? table[DepthClass(depth)]
                    : ReliefCellColour(depth, grid.At(row, column + 1), grid.At(row + 1, column + 1));
            const vd::Point at = placement.At(row, column);
            dc.FillSolidRect(at.x, at.y, placement.FillWidth(), placement.FillHeight(), colour);
            deepest.Offer(depth, row, column);
        }
    return deepest;
}

} // namespace

void DrawShadedDepthMap(vd::Dc& dc, const DepthMapRequest& request, DepthShading shading)
{
    const auto side = DepthBlockGridSide(request.blockSize);
    if (!side || request.area.Empty())
        return;
    const std::vector<DepthBlockFile> files = DepthBlockFiles(request.depthFolder, request.meshCode, request.blockSize);
    if (ExistingDepthFiles(files) == 0)
        return;
    DepthGrid grid(*side);
    // The number shown is that of the cells of the files read, data or not.
    const int soundings = ReadDepthBlock(files, request.blockSize, grid) * kDepthCellsPerMesh;
    grid.FillGaps(true);

    const DepthCellPlacement placement(request.area, *side, request.blockSize,
                                       ParseDepthMeshCode(request.meshCode).latitudeCode);
    const DeepestDepth deepest = FillCells(dc, grid, placement, shading, request.baseColour);
    const vd::Point cross = deepest.Found() ? placement.At(deepest.row, deepest.column) : vd::Point{};

    dc.SetBkColor(kWhite);
    dc.SetBkMode(vd::TRANSPARENT);
    if (deepest.Found())
        DrawDeepestCross(dc, cross);
    const bool rightColumn = request.width > kNarrowWidth;
    if (rightColumn) {
        dc.TextOut(request.width - 180, 230, vd::format("測深地点数=%d", soundings));
        dc.TextOut(request.width - 180, 250, vd::format("最深度=%dm(赤＋地点)", deepest.depth));
    } else {
        dc.TextOut(5, request.statusBase - 44,
                   vd::format("測深地点数=%d  最深度=%dm(赤＋地点)", soundings, deepest.depth));
    }

    if (request.contours != 0) {
        dc.SetBkMode(vd::OPAQUE);
        const auto pens = MakeContourPens(
            shading == DepthShading::Tint ? ContourPenSet::TintMap : ContourPenSet::ReliefMap, request.baseColour);
        const vd::Pen earlier = dc.SelectObject(pens[0]);
        TraceDepthContours(dc, grid, MakeContourAxes(request.area, *side, 2.0f), deepest.depth, pens);
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.SetBkMode(vd::TRANSPARENT);
        if (rightColumn) {
            dc.TextOut(request.width - 180, 280, "等深線は100m,200m");
            dc.TextOut(request.width - 180, 300, "  それ以深で500m間隔");
        }
        if (deepest.Found())
            DrawDeepestCross(dc, cross);
        dc.SelectObject(earlier);
    }
    dc.SetBkMode(vd::OPAQUE);
}
