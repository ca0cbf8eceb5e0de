// The census mesh themes (commerce, industry, agriculture): long per-prefecture records whose
// item columns the caller's class table names, drawn as class-coloured cells, as cells shaded by
// the relief or as values, with the running total in the legend.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"
#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/ReliefCells.h"
#include "meshcode/CensusRecords.h"

#include <optional>

namespace {

using namespace meshes;

constexpr int kNoStatusRounding = 10000; // added to ProgressFlag: the legend is not rounded
constexpr std::size_t kCensusOffsetSlot = 60;
constexpr std::size_t kCensusLengthSlot = 90;

void FillCensusColumns(CLayerRenderer& r, const std::string& classSpec)
{
    const meshcode::CensusColumns columns = meshcode::CensusColumnsOf(meshcode::ParseCensusClassSpec(classSpec));
    for (std::size_t k = 0; k < columns.size(); ++k) {
        r.OptionList[kCensusOffsetSlot + k] = columns[k].offset;
        r.OptionList[kCensusLengthSlot + k] = columns[k].length;
    }
}

constexpr int kTopReliefClass = kReliefClasses - 1;

} // namespace

int CLayerRenderer::OnPlainLclMeshCensas(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                                         std::string classSpec, std::string optionText)
{
    return DrawCensusMesh(blockCount, modeCode, item, formFlag, legendOffset, classSpec, optionText, false);
}

int CLayerRenderer::OnPlainLclReliefCensas(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                                           std::string classSpec, std::string optionText)
{
    return DrawCensusMesh(blockCount, modeCode, item, formFlag, legendOffset, classSpec, optionText, true);
}

int CLayerRenderer::DrawCensusMesh(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                                   const std::string& classSpec, const std::string& optionText, bool overRelief)
{
    std::optional<meshes::ReliefCells> relief;
    if (overRelief)
        relief.emplace(*this);
    const bool noRounding = ProgressFlag >= kNoStatusRounding;
    if (noRounding)
        ProgressFlag -= kNoStatusRounding;
    ParseOptionList(optionText);
    CensusTotal = 0;
    FillCensusColumns(*this, classSpec);
    const bool rounding = DetailLevel == kFullDetail && !noRounding;
    const int mode = modeCode % 1000;
    // The relief form takes its class width from the item tables, as the cell form does.
    ParseCensusItems(mode, item, overRelief ? 1 : formFlag, classSpec);
    const std::array<std::string, 3> names = CensusItemNames;

    MeshPen pen(*this, 2);
    SetMeshLimits(*this, true);
    CellWalk walk = PrepareLineLayer(*this, blockCount, false);
    BeginLabels(*this, walk.cellCount);
    CellSize cell;
    if (overRelief) {
        relief->SizeSubCells();
        walk.beforeCell = [&](int n, const std::string& code) { relief->SetBlock(walk.cellCount, n, code); };
    } else if (formFlag == 1) {
        DetailLevel = kFullDetail;
        cell = FitCellGrid(*this, walk.cellCount);
    }
    if (mode == meshcode::kAgricultureCensus)
        DataSetPath += "_";
    ApplyMeshAttributeCells(*this, walk, true);

    const int classWidth = std::max(OptionList[50], 1);
    ClassColours colours;
    ForEachCellPrefecture(walk, [&](const std::string& prefecture) {
        ForEachMeshLine(DataSetPath + prefecture + ".txt", [&](std::string_view line) {
            if (IsHeaderLine(line))
                return true;
            CurrentLine = line;
            if (ThirdMeshCell() == -1)
                return true;
            if (overRelief) {
                const int value = DecodeCensusValue(mode, item, 0);
                if (value != -1)
                    relief->Fill(OptionList[52], OptionList[53], std::min(value / classWidth, kTopReliefClass));
                return true;
            }
            const ScreenPoint p = ToScreen(OptionList[52], OptionList[53]);
            if (DetailLevel < kFullDetail) {
                DeviceContext.SetPixel(p.x, p.y, PaletteColour(9));
                return true;
            }
            const int value = DecodeCensusValue(mode, item, formFlag);
            if (value == -1)
                return true;
            if (formFlag == 0)
                DeviceContext.TextOut(p.x, p.y - 6, CurrentLine);
            else
                DeviceContext.FillSolidRect(p.x, p.y, cell.width, cell.height, colours.Of(value / classWidth));
            return true;
        });
    });

    FinishLabels(*this, kFontSmall);
    const std::string total = CensusTotal != 0 ? CensusTotalText(mode, item, CensusTotal) : std::string();
    if (ItemCode < kLegendItemCode)
        return -1;
    return DrawMeshLegend(mode, item, formFlag, OptionList[50], rounding ? 1 : 0, legendOffset, names[0], names[1],
                          names[2], total);
}
