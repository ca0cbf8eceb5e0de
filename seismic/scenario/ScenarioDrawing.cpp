// The scenario hazard maps of a specified source fault: every third-level cell of the extent
// filled in the class colour of the chosen quantity, then the fault planes over the cells. The
// data file is read once for the whole extent; its records run from west to east, so reading
// stops at the first record east of the extent (the list form is read whole).
#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "seismic/SeismicCellLayout.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/SeismicRelief.h"
#include "seismic/scenario/DegreeSeekIndex.h"
#include "seismic/scenario/ScenarioFileNames.h"
#include "seismic/scenario/ScenarioRecord.h"

#include <optional>

namespace {

using meshcode::kFullDetail;
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

void CSeismicLayerRenderer::ReadScenarioRecords(
    const std::string& dataPath, bool listForm,
    const std::function<void(const seismic::ScenarioMeshRecord&, int, int)>& visit)
{
    std::uint64_t offset = 0;
    if (!listForm && seismic::IsSubductionScenario(dataPath)) {
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
    while (reader.readRawLine(line)) {
        // Where the record lies first: most records of a file lie outside the extent.
        const auto place = seismic::ParseScenarioRecord(line, false, 4);
        if (!place)
            continue;
        const int longitude = seismic::ScenarioSeconds(place->Longitude());
        if (longitude > East) {
            if (listForm)
                continue; // the list form is read whole
            break;
        }
        if (longitude < SnappedWest)
            continue;
        const int latitude = seismic::ScenarioSeconds(place->Latitude());
        if (latitude < SnappedSouth || latitude >= North)
            continue;
        if (const auto record = seismic::ParseScenarioRecord(line, listForm))
            visit(*record, longitude, latitude);
    }
}

void CSeismicLayerRenderer::DrawScenarioCellsIndexed(int cellWidth, int cellHeight, const std::string& dataPath)
{
    int lastClass = -1;
    ReadScenarioRecords(dataPath, false, [&](const seismic::ScenarioMeshRecord& record, int, int) {
        FillScenarioCell(record, cellWidth, cellHeight, lastClass);
    });
}

void CSeismicLayerRenderer::DrawScenarioCellsList(int cellWidth, int cellHeight, const std::string& dataPath)
{
    int lastClass = -1;
    ReadScenarioRecords(dataPath, true, [&](const seismic::ScenarioMeshRecord& record, int, int) {
        FillScenarioCell(record, cellWidth, cellHeight, lastClass);
    });
}

void CSeismicLayerRenderer::DrawScenarioLabel(const seismic::ScenarioMeshRecord& record, int longitude, int latitude,
                                              int cellCount)
{
    const auto value = seismic::ScenarioQuantityValue(record, ScenarioQuantity);
    if (!value)
        return;
    vd::Dc& dc = DeviceContext;
    const vd::COLORREF red = vd::RGB(255, 0, 0), black = vd::RGB(0, 0, 0);
    const seismic::ScenarioLabel label = seismic::ScenarioValueLabel(ScenarioQuantity, *value);
    const int x = meshcode::TruncateToInt(float(longitude - West) * XScale + XOffset);
    const int y = meshcode::TruncateToInt(float(North - latitude) * YScale + YOffset);
    if (DetailLevel > 2 || label.flagged) {
        if (DetailLevel == kFullDetail) {
            dc.SetTextColor(label.flagged ? red : black);
            dc.TextOut(x, y - 6, label.text);
            dc.SetTextColor(black);
        } else {
            dc.Ellipse(x - 2, y - 2, x + 2, y + 2);
            if (label.red) {
                dc.SetTextColor(red);
                dc.TextOut(x + 4, y - 6, label.text);
                dc.SetTextColor(black);
            }
        }
    } else if (cellCount <= 4) {
        dc.SetPixel(x, y, CellColour);
    }
}

int CSeismicLayerRenderer::DrawScenario(Walk walk, Paint paint, int givenCount, int layerModeCode, int entry,
                                        int legendYOffset)
{
    vd::Dc& dc = DeviceContext;
    ScenarioQuantity = layerModeCode % 10;
    // The relief bytes are read once, before the cells.
    std::optional<seismic::ReliefShading> relief;
    if (paint == Paint::Relief)
        relief.emplace(Strings[4], Block(), ClassColours(kScenarioMap));
    const int reliefMode = WideAreaMode;
    const std::string dataPath = ReadSeismicDataEntry(kScenarioMap, entry);
    const bool listForm = seismic::IsListScenario(dataPath);
    ShowLayerProgress(seismic::IsSubductionScenario(dataPath) ? std::string(kSubductionTitle) : Strings[5], 0, 1);
    const vd::Pen keptPen = dc.GetCurrentPen();
    SelectSeismicPen(9);
    ResetCellColour();
    if (walk == Walk::WholeCountry)
        ShowLayerProgress(0, 1);

    int count = StartWalk(walk, givenCount);
    // The labels and the relief take four cells from a wide-area list before they size anything.
    if (paint != Paint::Cells && AreaKind == 3) {
        if (ReadWideAreaSettings(WideAreaMode, Strings[2]) == 1)
            count = 4;
        WideAreaMode /= 10;
    }
    if (walk == Walk::WholeCountry) {
        if (count != 1) {
            XScale = float(double(XScale) * 0.996875);
            YScale = float(double(YScale) * 0.996875);
        }
    } else if (paint != Paint::Labels) {
        const bool white = walk == Walk::White;
        const float shrink = meshcode::BlockScaleShrink(count, white ? 2 : AreaKind, white ? 1 : 0);
        XScale *= shrink;
        YScale *= shrink;
    }
    seismic::CellLayout layout;
    if (paint == Paint::Cells) {
        layout = seismic::ParseCellLayout(meshcode::CellSizeText(count, XOffset, YOffset, XScale, YScale, Strings[1]));
        if (walk != Walk::WholeCountry) {
            XOffset = layout.xOffset;
            YOffset = layout.yOffset;
        }
    } else if (paint == Paint::Relief) {
        relief->SizeSubCells(XScale, YScale, DetailLevel == kFullDetail);
        relief->SetOrigin(ReliefOrigin(count, 0, CellCode(walk, count, 0), reliefMode));
    }
    SelectLabelFont(3, 1);
    dc.SetBkMode(vd::TRANSPARENT);
    if (paint == Paint::Cells && walk == Walk::Detailed && AreaKind == 3) {
        ReadWideAreaSettings(WideAreaMode, Strings[2]);
        WideAreaMode /= 10;
    }

    StatusFlag = 0;
    switch (paint) {
    case Paint::Cells:
        if (listForm)
            DrawScenarioCellsList(layout.cellWidth, layout.cellHeight, dataPath);
        else
            DrawScenarioCellsIndexed(layout.cellWidth, layout.cellHeight, dataPath);
        break;
    case Paint::Labels:
        ReadScenarioRecords(dataPath, listForm, [&](const seismic::ScenarioMeshRecord& record, int lon, int lat) {
            DrawScenarioLabel(record, lon, lat, count);
        });
        break;
    case Paint::Relief:
        ReadScenarioRecords(dataPath, listForm, [&](const seismic::ScenarioMeshRecord& record, int lon, int lat) {
            const auto value = seismic::ScenarioQuantityValue(record, ScenarioQuantity);
            if (!value || lon >= East)
                return;
            RecordValue = *value;
            FillReliefCell(*relief, lat - kHalfCellLatitude, lon - kHalfCellLongitude, ClassifyScenarioValue());
        });
        break;
    }

    dc.SetBkColor(vd::RGB(255, 255, 255));
    SelectLabelFont(4);
    SelectLabelFont(3, -888);
    int result = -1;
    if (LegendAnchorX >= kLegendAnchorLeast) {
        const int yMode = walk == Walk::Detailed && DetailLevel == kFullDetail ? 1 : 0;
        result = DrawSeismicLegend(kScenarioMap, paint == Paint::Labels ? 1 : 0, yMode,
                                   walk == Walk::Detailed ? legendYOffset : 0);
    }
    SelectLabelFont(4);
    dc.SetBkMode(vd::OPAQUE);
    dc.SelectObject(keptPen);
    dc.SetBkColor(vd::RGB(255, 255, 255));
    DrawFaultOverlay(dataPath);
    return result;
}

int CSeismicLayerRenderer::DrawScenarioMesh(int layerModeCode, int entry, int legendYOffset)
{
    return DrawScenario(Walk::Detailed, Paint::Cells, 0, layerModeCode, entry, legendYOffset);
}

int CSeismicLayerRenderer::DrawScenarioLabels(int layerModeCode, int entry, int legendYOffset)
{
    return DrawScenario(Walk::Detailed, Paint::Labels, 0, layerModeCode, entry, legendYOffset);
}

int CSeismicLayerRenderer::DrawScenarioRelief(int layerModeCode, int entry, int legendYOffset)
{
    return DrawScenario(Walk::Detailed, Paint::Relief, 0, layerModeCode, entry, legendYOffset);
}

void CSeismicLayerRenderer::DrawScenarioWhiteMesh(int, int cellCount, int layerModeCode, int entry)
{
    DrawScenario(Walk::White, Paint::Cells, cellCount, layerModeCode, entry, 0);
}

void CSeismicLayerRenderer::DrawScenarioWholeCountry(int, int layerModeCode, int entry)
{
    DrawScenario(Walk::WholeCountry, Paint::Cells, 0, layerModeCode, entry, 0);
}
