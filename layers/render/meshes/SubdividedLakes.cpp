// The lakes of the 1/10 subdivided mesh: the sub-cells of up to three lakes of each third-level
// record painted blue, each lake labelled with its name, elevation or code from 湖沼ｺｰﾄﾞ.dat,
// which is built beside the data file on first use.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/LakeCodeFile.h"
#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/SubdividedCells.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <array>

namespace {

using namespace meshes;

constexpr int kLakeThemeCode = 330;
constexpr int kNoLegendThousands = 3;
constexpr int kLakeSlots = 9;
constexpr int kKeptLakes = 3;
constexpr int kFirstSlotColumn = 33;
constexpr int kSlotWidth = 6;
constexpr std::size_t kDigitColumn = 87;
constexpr int kPrefectureCount = 47;

struct RecordLakes {
    std::array<char, kKeptLakes> slots{}; // slot digits in use, '\0' for none
    std::string firstCode;
};

// The first three slots in use (their last four characters read above 0).
RecordLakes LakesOf(std::string_view line)
{
    RecordLakes lakes;
    int kept = 0;
    for (int i = 1; i <= kLakeSlots && kept < kKeptLakes; ++i) {
        const std::string_view slot = vd::rawField(line, kFirstSlotColumn + kSlotWidth * (i - 1), kSlotWidth);
        if (slot.size() < 2 || vd::parseInt(slot.substr(2)) <= 0)
            continue;
        if (kept == 0)
            lakes.firstCode = std::string(slot);
        lakes.slots[std::size_t(kept++)] = char('0' + i);
    }
    return lakes;
}

bool PrefectureSelected(const CLayerRenderer& r, bool everyPrefecture, std::string_view line)
{
    if (everyPrefecture)
        return true;
    const int code = vd::parseInt(vd::rawField(line, 20, 2));
    return code >= 1 && code <= kPrefectureCount && r.OptionList[std::size_t(code)] != 0;
}

} // namespace

std::string CLayerRenderer::BuildLakeCodeFile(std::string dataPath)
{
    const std::string name = LakeCodeFileName(dataPath);
    vd::TextReader existing;
    if (existing.open(name))
        return name;
    // Made only from a readable data file, and whole or not at all: a later call builds it again.
    std::vector<std::string> lines;
    if (!ReadLakeCodeLines(dataPath, lines))
        return name;
    ShowLayerProgress(-1, "湖沼ｺｰﾄﾞﾌｧｲﾙを作成", 0, 1, 0);
    vd::TextWriter out;
    if (!out.open(name, vd::WriteMode::Replace))
        return name;
    for (const std::string& line : lines)
        out.writeRawLine(line);
    (void)out.close();
    return name;
}

void CLayerRenderer::DrawLakeLabel(std::string code, int x, int y, int labelMode, std::string codeFile)
{
    const std::vector<std::string> label = LakeLabelLines(codeFile, code, labelMode);
    for (std::size_t i = 0; i < label.size(); ++i)
        DeviceContext.TextOut(x, y + 10 * int(i), label[i]);
}

int CLayerRenderer::DrawSubdividedLakes(int, int modeCode, int labelMode, int, int legendValue, std::string flagText)
{
    const std::string codeFile = BuildLakeCodeFile(DataSetPath);
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    if (!flagText.empty())
        ParseOptionList(flagText);
    const bool everyPrefecture = flagText.empty() || OptionList[0] == 1;

    const SubCellPainter painter(*this, false);
    const vd::COLORREF blue = PaletteColour(1);
    const vd::Pen kept = DeviceContext.GetCurrentPen();
    SelectLinePen(ItemCode);
    SetMeshLimits(*this, true);
    if (labelMode == 3 || labelMode == 4)
        DetailLevel = kFullDetail;
    SetDrawingTools(3, 1, 0);
    DeviceContext.SetBkMode(vd::TRANSPARENT);
    if (AreaKind == 3) {
        ParseAttributeNames(WideAreaMode, BlockCentre3);
        WideAreaMode /= 10;
    }

    std::string pendingCode;
    ScreenPoint pendingAt;
    const bool opened = ForEachMeshLine(DataSetPath, [&](std::string_view line) {
        if (IsHeaderLine(line))
            return true;
        if (!line.empty() && line[0] == 'D')
            return false;
        if (!PrefectureSelected(*this, everyPrefecture, line))
            return true;
        const std::optional<meshcode::MeshCorner> cell = SubdividedRecordCell(*this, line);
        if (!cell)
            return true;
        const RecordLakes lakes = LakesOf(line);
        if (lakes.firstCode.empty())
            return true;
        for (int j = 0; j < kSubCells; ++j) {
            const std::size_t column = kDigitColumn + std::size_t(j);
            const char digit = column < line.size() ? line[column] : ' ';
            // Only slots in use match: a digit 0 is no lake.
            if (digit == '\0' || std::find(lakes.slots.begin(), lakes.slots.end(), digit) == lakes.slots.end())
                continue;
            const meshcode::MeshCorner at = SubCellCorner(*cell, j);
            if (DetailLevel == kFullDetail && !InDrawExtent(at.latitude, at.longitude))
                continue;
            const ScreenPoint p = ToScreen(at.latitude, at.longitude);
            painter.Paint(DeviceContext, p, blue);
            if (labelMode != 0 && lakes.firstCode != pendingCode) {
                if (!pendingCode.empty())
                    DrawLakeLabel(pendingCode, pendingAt.x, pendingAt.y, labelMode, codeFile);
                pendingCode = lakes.firstCode;
                pendingAt = p;
            }
        }
        return true;
    });
    if (opened && labelMode != 0 && DetailLevel == kFullDetail && !pendingCode.empty())
        DrawLakeLabel(pendingCode, pendingAt.x, pendingAt.y, labelMode, codeFile);
    SetDrawingTools(4, 0, 0);
    DeviceContext.SelectObject(kept);
    if (!opened || modeCode / 1000 == kNoLegendThousands)
        return -1;
    return DrawMeshLegend(kLakeThemeCode, labelMode, 0, 0, DetailLevel == kFullDetail ? 1 : 0, legendValue, "", "", "",
                          "");
}
