// The scenario hazard maps of a specified source fault: every third-level cell of the extent
// filled in the class colour of the chosen quantity, then the fault planes over the cells. The
// data file is read once for the whole extent; its records run from west to east, so reading
// stops at the first record east of the extent (the list form is read whole).
#include "layers/render/meshcode/MeshCode.h"
#include "layers/render/meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "seismic/SeismicCellLayout.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/scenario/DegreeSeekIndex.h"
#include "seismic/scenario/ScenarioFileNames.h"
#include "seismic/scenario/ScenarioRecord.h"

namespace {

constexpr int kFullDetail = 3;
constexpr std::string_view kSubductionTitle = "海溝型地震";
// A record gives the centre of its cell: half a cell west and north of it is the corner.
constexpr int kHalfCellLongitude = 23;
constexpr int kHalfCellLatitude = 15;

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Reads up to and including the line that begins "# XPO"; false when the file has none.
bool SkipHeader(vd::TextReader& reader)
{
    std::string line;
    while (reader.readRawLine(line))
        if (StartsWith(line, seismic::kRecordsStart))
            return true;
    return false;
}

} // namespace

int CSeismicLayerRenderer::ClassifyScenarioValue() { return seismic::ScenarioValueClass(ScenarioQuantity, RecordValue); }

void CSeismicLayerRenderer::SelectScenarioColour(int valueClass)
{
    if (const auto colour = seismic::ScenarioClassColour(ScenarioQuantity, valueClass))
        CellColour = *colour;
}

void CSeismicLayerRenderer::FillScenarioCell(const seismic::ScenarioMeshRecord& record, int cellWidth,
                                             int cellHeight, int& lastClass)
{
    const auto value = seismic::ScenarioQuantityValue(record, ScenarioQuantity);
    if (!value)
        return; // the record lacks the number the quantity draws
    RecordValue = *value;
    const int longitude = seismic::ScenarioSeconds(record.Longitude());
    const int latitude = seismic::ScenarioSeconds(record.Latitude());
    const int x = meshcode::TruncateToInt(float(longitude - (West + kHalfCellLongitude)) * XScale + XOffset);
    const int y = meshcode::TruncateToInt(float(North - latitude + kHalfCellLatitude) * YScale + YOffset);
    const int valueClass = ClassifyScenarioValue();
    if (valueClass != lastClass) {
        SelectScenarioColour(valueClass);
        lastClass = valueClass;
    }
    DeviceContext.FillSolidRect(x, y, cellWidth, cellHeight, CellColour);
}

void CSeismicLayerRenderer::DrawScenarioCellsIndexed(int cellWidth, int cellHeight, const std::string& dataPath)
{
    std::uint64_t offset = 0;
    if (seismic::IsSubductionScenario(dataPath)) {
        const auto index = seismic::BuildDegreeSeekIndex(&DeviceContext, dataPath);
        if (!index)
            return;
        offset = seismic::SeekDegreeOffset(*index, SnappedWest / meshcode::kFirstMeshLongitudeSeconds);
    }
    vd::TextReader reader;
    if (!reader.open(dataPath))
        return;
    std::string line;
    if (offset < 1) {
        if (!SkipHeader(reader))
            return;
    } else if (!reader.seek(offset) || !reader.readRawLine(line)) {
        return; // the rest of the line the seek landed in
    }
    int lastClass = -1;
    while (reader.readRawLine(line)) {
        const auto record = seismic::ParseScenarioRecord(line, false);
        if (!record)
            continue;
        const int longitude = seismic::ScenarioSeconds(record->Longitude());
        if (longitude > East)
            break;
        if (longitude < SnappedWest)
            continue;
        const int latitude = seismic::ScenarioSeconds(record->Latitude());
        if (latitude < SnappedSouth || latitude >= North)
            continue;
        FillScenarioCell(*record, cellWidth, cellHeight, lastClass);
    }
}

void CSeismicLayerRenderer::DrawScenarioCellsList(int cellWidth, int cellHeight, const std::string& dataPath)
{
    vd::TextReader reader;
    if (!reader.open(dataPath) || !SkipHeader(reader))
        return;
    std::string line;
    int lastClass = -1;
    while (reader.readRawLine(line)) {
        const auto record = seismic::ParseScenarioRecord(line, true);
        if (!record)
            continue;
        const int longitude = seismic::ScenarioSeconds(record->Longitude());
        const int latitude = seismic::ScenarioSeconds(record->Latitude());
        if (longitude < SnappedWest || longitude > East || latitude < SnappedSouth || latitude >= North)
            continue;
        FillScenarioCell(*record, cellWidth, cellHeight, lastClass);
    }
}

int CSeismicLayerRenderer::DrawScenario(Walk walk, int givenCount, int layerModeCode, int entry)
{
    vd::Dc& dc = DeviceContext;
    ScenarioQuantity = layerModeCode % 10;
    const std::string dataPath = ReadSeismicDataEntry(kScenarioMap, entry);
    ShowLayerProgress(seismic::IsSubductionScenario(dataPath) ? std::string(kSubductionTitle) : Strings[5], 0, 1);
    const vd::Pen keptPen = dc.GetCurrentPen();
    SelectSeismicPen(9);
    ResetCellColour();
    if (walk == Walk::WholeCountry)
        ShowLayerProgress(0, 1);

    SnappedSouth = South;
    SnappedWest = West;
    if (walk == Walk::Detailed && DetailLevel == kFullDetail) {
        SnappedSouth = South / meshcode::kThirdMeshLatitudeSeconds * meshcode::kThirdMeshLatitudeSeconds;
        SnappedWest = West / meshcode::kThirdMeshLongitudeSeconds * meshcode::kThirdMeshLongitudeSeconds;
    }
    const int count = walk == Walk::White ? givenCount : WideAreaCellCount();
    if (walk == Walk::WholeCountry) {
        if (count != 1) {
            XScale = float(double(XScale) * 0.996875);
            YScale = float(double(YScale) * 0.996875);
        }
    } else {
        const bool white = walk == Walk::White;
        const float shrink = meshcode::BlockScaleShrink(count, white ? 2 : AreaKind, white ? 1 : 0);
        XScale *= shrink;
        YScale *= shrink;
    }
    const seismic::CellLayout layout =
        seismic::ParseCellLayout(meshcode::CellSizeText(count, XOffset, YOffset, XScale, YScale, Strings[1]));
    if (walk != Walk::WholeCountry) {
        XOffset = layout.xOffset;
        YOffset = layout.yOffset;
    }
    SelectLabelFont(3, 1);
    dc.SetBkMode(vd::TRANSPARENT);
    if (walk == Walk::Detailed && AreaKind == 3) {
        ReadWideAreaSettings(WideAreaMode, Strings[2]);
        WideAreaMode /= 10;
    }

    StatusFlag = 0;
    if (seismic::IsListScenario(dataPath))
        DrawScenarioCellsList(layout.cellWidth, layout.cellHeight, dataPath);
    else
        DrawScenarioCellsIndexed(layout.cellWidth, layout.cellHeight, dataPath);

    dc.SetBkColor(vd::RGB(255, 255, 255));
    SelectLabelFont(4);
    SelectLabelFont(3, -888);
    // The legend (drawn when the anchor is at least 801) comes with its own change; until then no
    // legend is drawn and the answer is the one for none.
    const int result = -1;
    SelectLabelFont(4);
    dc.SetBkMode(vd::OPAQUE);
    dc.SelectObject(keptPen);
    dc.SetBkColor(vd::RGB(255, 255, 255));
    DrawFaultOverlay(dataPath);
    return result;
}

int CSeismicLayerRenderer::DrawScenarioMesh(int layerModeCode, int entry, int)
{
    return DrawScenario(Walk::Detailed, 0, layerModeCode, entry);
}

void CSeismicLayerRenderer::DrawScenarioWhiteMesh(int, int cellCount, int layerModeCode, int entry)
{
    DrawScenario(Walk::White, cellCount, layerModeCode, entry);
}

void CSeismicLayerRenderer::DrawScenarioWholeCountry(int, int layerModeCode, int entry)
{
    DrawScenario(Walk::WholeCountry, 0, layerModeCode, entry);
}
