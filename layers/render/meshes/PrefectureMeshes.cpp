// The per-prefecture third-order mesh themes (climate, designated areas, river length): each
// prefecture file of the block's first-level meshes, read once per call, its records drawn as
// class-coloured cells, as cells shaded by the relief, or as values, then the legend; on the
// detailed map, the whole-country map or the white map.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"
#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/ReliefCells.h"

#include <optional>

namespace {

using namespace meshes;

constexpr int kClimate = 0;
constexpr int kDesignatedAreas = 10;
constexpr int kRiverLength = 20;
constexpr int kAllAreasItem = 5;
constexpr std::size_t kObservationColumn = 13;
constexpr std::size_t kAreaColumn = 13;
constexpr std::size_t kAreaWidth = 5;
constexpr vd::COLORREF kBlack = vd::RGB(0, 0, 0);
constexpr vd::COLORREF kRed = vd::RGB(255, 0, 0);

enum class Form { Values, Cells, Relief, CountryCells, WhiteCells, WhiteDesignated };

bool OnWhiteMap(Form form) { return form == Form::WhiteCells || form == Form::WhiteDesignated; }

// A value-form record at (x, y): texts at full detail, else a dot, or a circle with its value for
// a climate observation point.
void DrawValue(CLayerRenderer& r, int mode, ScreenPoint p, int observation, int blockCount)
{
    vd::Dc& dc = r.DeviceContext;
    const bool fullDetail = r.DetailLevel >= kFullDetail;
    if (mode == kClimate) {
        if (fullDetail) {
            if (observation == 1)
                dc.SetTextColor(kRed);
            dc.TextOut(p.x, p.y - 6, r.CurrentLine);
            dc.SetTextColor(kBlack);
        } else if (observation != 0) {
            dc.Ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
            dc.SetTextColor(kRed);
            dc.TextOut(p.x + 4, p.y - 6, r.CurrentLine);
            dc.SetTextColor(kBlack);
        } else if (blockCount <= 4) {
            dc.SetPixel(p.x, p.y, CLayerRenderer::PaletteColour(9));
        }
        return;
    }
    if (fullDetail) {
        if (!r.CurrentLine.empty())
            dc.TextOut(p.x, p.y - 6, r.CurrentLine);
        return;
    }
    dc.SetPixel(p.x, p.y, CLayerRenderer::PaletteColour(9));
}

int CellFontCode(int mode, int item)
{
    if (mode == kRiverLength || (mode == kDesignatedAreas && item == kAllAreasItem))
        return kFontSmall;
    return mode == kDesignatedAreas ? kFontLarge : kFontCells;
}

int DrawPrefectureMesh(CLayerRenderer& r, Form form, int blockCount, int modeCode, int item, int legendOffset,
                       const std::string& optionText)
{
    std::optional<ReliefCells> relief;
    if (form == Form::Relief)
        relief.emplace(r);
    r.ParseOptionList(optionText);
    MeshPen pen(r, 2);
    const bool white = OnWhiteMap(form);
    const bool rounded = SetMeshLimits(r, form == Form::Values || form == Form::Cells || form == Form::Relief);
    CLayerRenderer::CellWalk walk = PrepareLineLayer(r, blockCount, false);
    BeginLabels(r, walk.cellCount);
    const int mode = form == Form::WhiteDesignated ? kDesignatedAreas : modeCode % 1000;
    if ((form == Form::Values || form == Form::CountryCells) && (mode == kDesignatedAreas || mode == kRiverLength) &&
        walk.cellCount == 1)
        r.DetailLevel = kFullDetail;
    if (white)
        walk.frameTest = false;
    else
        ApplyMeshAttributeCells(r, walk, true);
    CellSize cell;
    if (form == Form::WhiteDesignated) {
        r.ScaleShrink(walk.cellCount, 1, 1);
        cell = FitCellGrid(r, walk.cellCount);
    } else if (form == Form::Relief) {
        r.ScaleShrink(walk.cellCount, r.AreaKind, 0);
        relief->SizeSubCells();
        walk.beforeCell = [&](int n, const std::string& code) { relief->SetBlock(walk.cellCount, n, code); };
    } else if (form != Form::Values) {
        r.ScaleShrink(walk.cellCount, r.AreaKind, 0);
        cell = FitCellGrid(r, walk.cellCount);
    }
    r.ClassWidth(mode, item);
    r.StatusFlag = 0;

    ClassColours colours;
    r.ForEachCellPrefecture(walk, [&](const std::string& prefecture) {
        ForEachMeshLine(r.DataSetPath + prefecture + ".txt", [&](std::string_view line) {
            if (IsHeaderLine(line))
                return true;
            const int observation = ColumnValue(line, kObservationColumn, 1);
            const bool noArea = ColumnValue(line, kAreaColumn, kAreaWidth) == 0;
            if (form == Form::WhiteDesignated && noArea)
                return true;
            // Only the value form writes the label.
            const int cls = r.DecodeMeshValue(line, mode, item, form == Form::Values);
            if (cls == -1)
                return true;
            if (form == Form::Relief) {
                relief->Fill(r.OptionList[52], r.OptionList[53], cls);
                return true;
            }
            const ScreenPoint p = r.ToScreen(r.OptionList[52], r.OptionList[53]);
            if (form != Form::Values)
                r.DeviceContext.FillSolidRect(p.x, p.y, cell.width, cell.height, colours.Of(cls));
            else if (!(mode == kDesignatedAreas && noArea))
                DrawValue(r, mode, p, observation, walk.cellCount);
            return true;
        });
    });

    const int classWidth = r.OptionList[50];
    FinishLabels(r, form == Form::Values ? kFontSmall : CellFontCode(mode, item));
    if (form == Form::WhiteCells) {
        if (r.ItemCode >= kLegendItemCode)
            r.DrawMeshLegend(mode, item, 1, classWidth, 0, 0, "", "", "", "");
        return -1;
    }
    if (form == Form::WhiteDesignated) {
        if (r.ItemCode >= kLegendItemCode && r.DetailLevel < kFullDetail)
            r.DrawMeshLegend(mode, item, 1, 0, 0, 0, "", "", "", "");
        return -1;
    }
    const int positionMode = rounded ? 1 : 0;
    if (form == Form::Values)
        return r.DrawMeshLegend(mode, item, 0, 0, positionMode, legendOffset, "", "", "", "");
    if (r.ItemCode < kLegendItemCode)
        return -1;
    if (form == Form::CountryCells)
        return r.DrawMeshLegend(mode, item, 1, mode == kDesignatedAreas ? 0 : classWidth, 0, 0, "", "", "", "");
    if (mode == kDesignatedAreas)
        return r.DrawMeshLegend(mode, item, 1, 0, positionMode, legendOffset, "", "", "", "");
    return r.DrawMeshLegend(mode, item, 1, classWidth, 0, legendOffset, "", "", "", "");
}

} // namespace

int CLayerRenderer::DrawPrefectureMeshValues(int blockCount, int modeCode, int item, int legendOffset,
                                             std::string optionText)
{
    return DrawPrefectureMesh(*this, Form::Values, blockCount, modeCode, item, legendOffset, optionText);
}

int CLayerRenderer::DrawPrefectureMeshCells(int blockCount, int modeCode, int item, int legendOffset,
                                            std::string optionText)
{
    return DrawPrefectureMesh(*this, Form::Cells, blockCount, modeCode, item, legendOffset, optionText);
}

void CLayerRenderer::DrawCountryPrefectureMeshCells(int blockCount, int modeCode, int item, std::string optionText)
{
    DrawPrefectureMesh(*this, Form::CountryCells, blockCount, modeCode, item, 0, optionText);
}

int CLayerRenderer::DrawPrefectureMeshRelief(int blockCount, int modeCode, int item, int legendOffset,
                                            std::string optionText)
{
    return DrawPrefectureMesh(*this, Form::Relief, blockCount, modeCode, item, legendOffset, optionText);
}

void CLayerRenderer::DrawWhitePrefectureMeshCells(int blockCount, int modeCode, int item, std::string optionText)
{
    DrawPrefectureMesh(*this, Form::WhiteCells, blockCount, modeCode, item, 0, optionText);
}

void CLayerRenderer::DrawWhiteDesignatedAreaCells(int blockCount, int modeCode, int item, std::string optionText)
{
    DrawPrefectureMesh(*this, Form::WhiteDesignated, blockCount, modeCode, item, 0, optionText);
}
