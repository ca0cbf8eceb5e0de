// The single-file third-order mesh themes (forest and public land, coastal sea): one file for the
// whole country, read until its "D" line or until a long run of records outside the frame once
// cells were drawn, its records drawn as class-coloured cells or as values, then the legend.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/MeshLayer.h"

namespace {

using namespace meshes;

constexpr int kCoastalSeaMarker = -1;
constexpr int kCoastalSea = 30;
constexpr int kForest = 40;
constexpr int kForestItemShift = 10;
constexpr int kFirstNameItem = 3; // coastal-sea items from here on are names and codes
constexpr int kNameOnly = 999;
constexpr float kCountryShrink = 0.996875f;

enum class Form { Values, Cells, CountryCells };

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

int DrawSingleFileMesh(CLayerRenderer& r, Form form, int themeMarker, int modeCode, int item, int legendOffset)
{
    vd::Dc& dc = r.DeviceContext;
    MeshPen pen(r, 1);
    const bool rounded = SetMeshLimits(r, form != Form::CountryCells);
    const int blockCount = r.BlockCellCount();
    const int limit = MeshReadLimit(r, blockCount);
    const Theme theme = ThemeOf(themeMarker, item);
    r.ClassWidth(theme.mode, theme.item);
    if (form == Form::Values && ((theme.coastal && item >= kFirstNameItem) || (!theme.coastal && blockCount == 1)))
        r.DetailLevel = kFullDetail;
    CLayerRenderer::CellWalk walk;
    ApplyMeshAttributeCells(r, walk, false);
    CellSize cell;
    if (form != Form::Values) {
        if (form == Form::Cells) {
            r.ScaleShrink(blockCount, r.AreaKind, 0);
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
    const bool opened = ForEachMeshLine(r.DataSetPath, [&](const std::string& line) {
        if (IsHeaderLine(line))
            return true;
        if (!line.empty() && line[0] == 'D')
            return false;
        r.CurrentLine = line;
        if (r.ThirdMeshCell() == -1) {
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
            const int cls = r.DecodeNatureValue(theme.item);
            if (cls != -1)
                dc.TextOut(p.x + 3, p.y - 6, r.CurrentLine);
            else if (!theme.coastal)
                dc.SetPixel(p.x, p.y, black);
            return true;
        }
        const int cls = r.DecodeNatureValue(theme.item);
        if (cls == kNameOnly) {
            if (!r.CurrentLine.empty())
                dc.TextOut(p.x + 3, p.y - 6, r.CurrentLine);
        } else if (cls != -1) {
            dc.FillSolidRect(p.x, p.y, cell.width, cell.height, colours.Of(cls));
        }
        return true;
    });
    if (!opened) {
        r.SetDrawingTools(4, 0, 0);
        return -1;
    }

    FinishLabels(r, form == Form::CountryCells ? kFontLarge : kFontSmall);
    if (form != Form::Values && r.ItemCode < kLegendItemCode)
        return -1;
    const int positionMode = form == Form::CountryCells ? 0 : (rounded ? 1 : 0);
    return r.DrawMeshLegend(modeCode % 1000, item, form == Form::Values ? 0 : 1, 0, positionMode, legendOffset, "", "",
                            "", "");
}

} // namespace

int CLayerRenderer::DrawSingleFileMeshValues(int themeMarker, int modeCode, int item, int legendOffset)
{
    return DrawSingleFileMesh(*this, Form::Values, themeMarker, modeCode, item, legendOffset);
}

int CLayerRenderer::DrawSingleFileMeshCells(int themeMarker, int modeCode, int item, int legendOffset)
{
    return DrawSingleFileMesh(*this, Form::Cells, themeMarker, modeCode, item, legendOffset);
}

void CLayerRenderer::DrawCountrySingleFileMeshCells(int themeMarker, int modeCode, int item)
{
    DrawSingleFileMesh(*this, Form::CountryCells, themeMarker, modeCode, item, 0);
}
