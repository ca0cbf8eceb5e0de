// The single-file third-order mesh themes (forest and public land, coastal sea): one file for the
// whole country, read until its "D" line or until a long run of records outside the frame once
// cells were drawn, its records drawn as class-coloured cells, as cells shaded by the relief or
// as values, then the legend; on the detailed map, the whole-country map or the white map.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/ReliefCells.h"

#include <optional>

namespace {

using namespace meshes;

constexpr int kCoastalSeaMarker = -1;
constexpr int kCoastalSea = 30;
constexpr int kForest = 40;
constexpr int kForestItemShift = 10;
constexpr int kFirstNameItem = 3; // coastal-sea items from here on are names and codes
constexpr int kNameOnly = 999;
constexpr float kCountryShrink = 0.996875f;

enum class Form { Values, Cells, Relief, CountryCells, WhiteCells };

struct Theme {
    bool coastal = false;
    int mode = 0;
    int item = 0;
};

Theme ThemeOf(int marker, int item)
{
    if (marker == kCoastalSeaMarker)
        return {true, kCoastalSea, item};
    return {false, kForest, item + kForestItemShift};
}

int DrawSingleFileMesh(CLayerRenderer& r, Form form, int themeMarker, int blockCount, int modeCode, int item,
                       int legendOffset)
{
    vd::Dc& dc = r.DeviceContext;
    std::optional<ReliefCells> relief;
    if (form == Form::Relief)
        relief.emplace(r);
    MeshPen pen(r, 1);
    const bool white = form == Form::WhiteCells;
    const bool rounded = SetMeshLimits(r, form == Form::Values || form == Form::Cells || form == Form::Relief);
    if (blockCount == -1)
        blockCount = r.BlockCellCount();
    // The white map has no read limit of its own for several blocks.
    const int limit = MeshReadLimit(r, white ? 1 : blockCount);
    const Theme theme = ThemeOf(themeMarker, item);
    r.ClassWidth(theme.mode, theme.item);
    if (form == Form::Values && ((theme.coastal && item >= kFirstNameItem) || (!theme.coastal && blockCount == 1)))
        r.DetailLevel = kFullDetail;
    if (!white) {
        CLayerRenderer::CellWalk walk;
        ApplyMeshAttributeCells(r, walk, false);
    }
    CellSize cell;
    if (form == Form::Relief) {
        r.ScaleShrink(blockCount, r.AreaKind, 0);
        relief->SizeSubCells();
        const std::string first = r.BlockCellMeshCode(0);
        relief->SetBlock(blockCount, 0, first.empty() ? r.MeshCode : first);
    } else if (form != Form::Values) {
        if (form == Form::Cells) {
            r.ScaleShrink(blockCount, r.AreaKind, 0);
        } else if (white) {
            r.ScaleShrink(blockCount, 1, 1);
        } else if (blockCount != 1) {
            r.XScale *= kCountryShrink;
            r.YScale *= kCountryShrink;
        }
        cell = FitCellGrid(r, blockCount);
    }
    r.ShowLayerProgress(-1, r.DataName, 0, 1, 0);
    BeginLabels(r, 1);

    ClassColours colours;
    int misses = 0;
    bool drawn = false;
    const bool opened = ForEachMeshLine(r.DataSetPath, [&](std::string_view line) {
        if (IsHeaderLine(line))
            return true;
        if (!line.empty() && line[0] == 'D')
            return false;
        if (r.ThirdMeshCell(line) == -1) {
            ++misses;
            return !(drawn && misses >= limit);
        }
        misses = 0;
        drawn = true;
        const ScreenPoint p = r.ToScreen(r.OptionList[52], r.OptionList[53]);
        const vd::COLORREF black = CLayerRenderer::PaletteColour(9);
        if (form == Form::Values) {
            if (r.DetailLevel != kFullDetail) {
                dc.SetPixel(p.x, p.y, black);
                return true;
            }
            const int cls = r.DecodeNatureValue(line, theme.item, true);
            if (cls != -1)
                dc.TextOut(p.x + 3, p.y - 6, r.CurrentLine);
            else if (!theme.coastal)
                dc.SetPixel(p.x, p.y, black);
            return true;
        }
        // Cells need no label but a name's.
        const int cls = r.DecodeNatureValue(line, theme.item, false);
        if (cls == kNameOnly) {
            (void)r.DecodeNatureValue(line, theme.item, true);
            if (!r.CurrentLine.empty())
                dc.TextOut(p.x + 3, p.y - 6, r.CurrentLine);
        } else if (cls != -1 && relief) {
            relief->Fill(r.OptionList[52], r.OptionList[53], cls);
        } else if (cls != -1) {
            dc.FillSolidRect(p.x, p.y, cell.width, cell.height, colours.Of(cls));
        }
        return true;
    });
    if (!opened) {
        r.SetDrawingTools(4, 0, 0);
        return -1;
    }

    FinishLabels(r, form == Form::Cells || form == Form::Values ? kFontSmall : kFontLarge);
    if (form != Form::Values && r.ItemCode < kLegendItemCode)
        return -1;
    if (white)
        return r.DrawMeshLegend(modeCode, item, 1, 0, 0, 0, "", "", "", "");
    const int positionMode = form == Form::CountryCells ? 0 : (rounded ? 1 : 0);
    return r.DrawMeshLegend(modeCode % 1000, item, form == Form::Values ? 0 : 1, 0, positionMode, legendOffset, "", "",
                            "", "");
}

} // namespace

int CLayerRenderer::DrawSingleFileMeshValues(int themeMarker, int modeCode, int item, int legendOffset)
{
    return DrawSingleFileMesh(*this, Form::Values, themeMarker, -1, modeCode, item, legendOffset);
}

int CLayerRenderer::DrawSingleFileMeshCells(int themeMarker, int modeCode, int item, int legendOffset)
{
    return DrawSingleFileMesh(*this, Form::Cells, themeMarker, -1, modeCode, item, legendOffset);
}

void CLayerRenderer::DrawCountrySingleFileMeshCells(int themeMarker, int modeCode, int item)
{
    DrawSingleFileMesh(*this, Form::CountryCells, themeMarker, -1, modeCode, item, 0);
}

int CLayerRenderer::DrawSingleFileMeshRelief(int themeMarker, int modeCode, int item, int legendOffset)
{
    return DrawSingleFileMesh(*this, Form::Relief, themeMarker, -1, modeCode, item, legendOffset);
}

void CLayerRenderer::DrawWhiteSingleFileMeshCells(int forestFlag, int blockCount, int modeCode, int item)
{
    constexpr int kForestMarker = -2;
    DrawSingleFileMesh(*this, Form::WhiteCells, forestFlag == 1 ? kForestMarker : kCoastalSeaMarker, blockCount,
                       modeCode, item, 0);
}
