// The 1/10 subdivided mesh themes land use, designated areas and basins: each prefecture file of
// the block's first-level meshes, every third-level record split into 10 x 10 sub-cells painted in
// the colour of their class, plain or darkened by the relief level under them; then the legend.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"
#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/ReliefCells.h"
#include "layers/render/meshes/SubdividedCells.h"
#include "layers/render/meshes/SubdividedClasses.h"
#include "meshcode/ReliefGrid.h"

#include <array>
#include <optional>

namespace {

using namespace meshes;

constexpr int kThemeCodeBase = 300;
constexpr int kDesignatedItemBase = 20;
constexpr int kBasinItemBase = 30;
constexpr int kSheetEastTrim = 6; // seconds the sheet area's east limit is lowered by
constexpr int kSheetSouthTrim = 5;

int DrawSubdivided(CLayerRenderer& r, int cellCount, int modeCode, int item, const std::string& landUseFlags,
                   int forestFlag, int legendValue, const std::string& flagText, bool overRelief)
{
    vd::Dc& dc = r.DeviceContext;
    std::optional<ReliefCells> relief;
    if (overRelief)
        relief.emplace(r);
    r.ParseOptionList(flagText);
    const SubCellPainter painter(r, true);
    const int group = modeCode > 999 ? modeCode % 1000 : modeCode;
    const vd::Pen kept = dc.GetCurrentPen();
    r.SelectLinePen(r.ItemCode);

    SubdividedStyle style{group, item, landUseFlags, forestFlag == 1, overRelief};
    int legendItem = item;
    std::size_t landUseColumn = 0;
    if (group == kLandUseGroup) {
        style.item = legendItem = LandUseItem(landUseFlags, item);
        landUseColumn = LandUseColumn(r.DataSetPath);
    } else if (group == kDesignatedGroup) {
        legendItem = kDesignatedItemBase + item;
    } else if (group == kBasinGroup) {
        legendItem = kBasinItemBase + item;
    }

    SetMeshLimits(r, true);
    CLayerRenderer::CellWalk walk = PrepareLineLayer(r, cellCount, false);
    if (r.AreaKind == 3) {
        ApplyAttributeCells(r, walk);
        r.East -= kSheetEastTrim;
        r.South += kSheetSouthTrim;
    }
    if (relief)
        walk.beforeCell = [&](int n, const std::string& code) { relief->SetBlock(walk.cellCount, n, code); };

    const SubdividedColours colours(style);
    SolidRuns runs(dc);
    r.ForEachCellPrefecture(walk, [&](const std::string& prefecture) {
        ForEachMeshLine(r.DataSetPath + prefecture + ".txt", [&](std::string_view line) {
            if (IsHeaderLine(line))
                return true;
            const std::optional<meshcode::MeshCorner> cell = SubdividedRecordCell(r, line);
            if (!cell)
                return true;
            // A screen x follows the longitude alone and a y the latitude alone: the ten columns'
            // and ten rows' once a record, not a point per sub-cell.
            std::array<int, 10> columnX{}, rowY{};
            for (int k = 0; k < 10; ++k) {
                const meshcode::MeshCorner diagonal = SubCellCorner(*cell, k * 11); // row k, column k
                const ScreenPoint p = r.ToScreen(diagonal.latitude, diagonal.longitude);
                columnX[std::size_t(k)] = p.x;
                rowY[std::size_t(k)] = p.y;
            }
            for (int j = 0; j < kSubCells; ++j) {
                const meshcode::MeshCorner at = SubCellCorner(*cell, j);
                if (!r.InDrawExtent(at.latitude, at.longitude))
                    continue;
                const std::size_t column = SubdividedColumn(group, item, landUseColumn, j);
                const char code = column < line.size() ? line[column] : ' ';
                const std::optional<vd::COLORREF> colour = colours.Of(code);
                if (!colour)
                    continue;
                const vd::COLORREF shown =
                    relief ? meshcode::ReliefShade(*colour, relief->Level(at.latitude, at.longitude)) : *colour;
                painter.Paint(runs, {columnX[std::size_t(j % 10)], rowY[std::size_t(j / 10)]}, shown);
            }
            runs.Flush();
            return true;
        });
    });

    r.SetDrawingTools(3, kFontSmall, 0);
    const int legendForm = r.AreaKind == 3 ? 2 : (r.DetailLevel == kFullDetail ? 1 : 0);
    const int result = r.DrawMeshLegend(kThemeCodeBase + group, legendItem, overRelief ? 0 : forestFlag, 0, legendForm,
                                        legendValue, "", "", "", "");
    r.SetDrawingTools(4, 0, 0);
    dc.SelectObject(kept);
    return result;
}

} // namespace

int CLayerRenderer::DrawSubdividedMesh(int cellCount, int modeCode, int item, std::string landUseFlags, int forestFlag,
                                       int legendValue, std::string flagText)
{
    return DrawSubdivided(*this, cellCount, modeCode, item, landUseFlags, forestFlag, legendValue, flagText, false);
}

int CLayerRenderer::DrawSubdividedMeshRelief(int cellCount, int modeCode, int item, std::string landUseFlags,
                                             int forestFlag, int legendValue, std::string flagText)
{
    return DrawSubdivided(*this, cellCount, modeCode, item, landUseFlags, forestFlag, legendValue, flagText, true);
}
