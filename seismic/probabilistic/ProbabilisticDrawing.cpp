// The probabilistic hazard maps: every third-level cell of the drawn first-level meshes filled in
// the colour of its value class. Each mesh is reached through the seek index; a seek that does not
// land just before the mesh's run (a file whose lines are not 66 bytes, an index older than a
// replaced data file) reads that mesh from the top instead.
#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"
#include "seismic/SeismicCellLayout.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/SeismicRelief.h"
#include "seismic/probabilistic/MeshSeekIndex.h"
#include "seismic/probabilistic/ProbabilisticRecord.h"

#include <algorithm>
#include <functional>
#include <optional>

using seismic::MeshRun;
using seismic::MeshSeekIndex;
using seismic::ProbabilisticMeshRecord;

namespace {

using meshcode::kFullDetail;

enum class RunScan { Drawn, Absent, Misplaced };

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Whether a record's mesh has a run in the index before `run`.
bool IsEarlierRun(const MeshSeekIndex& index, const MeshRun& run, std::string_view codeText)
{
    const std::string_view mesh = codeText.substr(0, 4);
    for (const MeshRun& r : index.runs) {
        if (&r == &run)
            return false;
        if (r.mesh == mesh)
            return true;
    }
    return false;
}

// Reads the run of `mesh` from `offset` and hands each of its records to `paint`. From an offset
// above 0 the records passed over must belong to earlier runs of the index, and the run must not
// start with the first record read: otherwise the seek missed and nothing is painted.
RunScan ScanRun(const std::string& dataPath, std::uint64_t offset, const std::string& mesh, const MeshSeekIndex& index,
                const MeshRun& run, const std::function<void(const ProbabilisticMeshRecord&)>& paint)
{
    vd::TextReader reader;
    if (!reader.open(dataPath))
        return RunScan::Absent;
    std::string line;
    if (offset > 0 && (!reader.seek(offset) || !reader.readRawLine(line)))
        return RunScan::Misplaced;
    bool first = true;
    bool inRun = false;
    while (reader.readRawLine(line)) {
        auto record = seismic::ParseProbabilisticRecord(line);
        if (!record)
            continue; // comments and lines that do not parse
        const bool ours = StartsWith(record->codeText, mesh);
        if (!inRun) {
            if (!ours) {
                if (offset > 0 && !IsEarlierRun(index, run, record->codeText))
                    return RunScan::Misplaced;
                first = false;
                continue;
            }
            if (offset > 0 && first)
                return RunScan::Misplaced;
            inRun = true;
        } else if (!ours) {
            break;
        }
        first = false;
        paint(*record);
    }
    if (inRun)
        return RunScan::Drawn;
    return offset > 0 ? RunScan::Misplaced : RunScan::Absent;
}

} // namespace

int CSeismicLayerRenderer::ClassifyProbabilisticRecord(int mode)
{
    const seismic::CellCorner corner = seismic::ProbabilisticCellCorner(Strings[6]);
    if (corner.latitude < SnappedSouth || corner.latitude >= North)
        return -1;
    if (corner.longitude < SnappedWest || corner.longitude >= East)
        return -1;
    CellLatitude = corner.latitude;
    CellLongitude = corner.longitude;
    if (mode == 0)
        return seismic::ProbabilisticValueClass(DataKind, RecordValue);
    if (mode == 1)
        return seismic::ProbabilisticLabelValue(DataKind, RecordValue);
    return 0;
}

void CSeismicLayerRenderer::SelectProbabilisticColour(int valueClass)
{
    if (const auto colour = seismic::ProbabilisticClassColour(DataKind, valueClass))
        CellColour = *colour;
}

void CSeismicLayerRenderer::ScanProbabilisticMesh(const std::string& dataPath, const std::string& mesh,
                                                  const MeshSeekIndex& index,
                                                  const std::function<void(const ProbabilisticMeshRecord&)>& paint)
{
    const MeshRun* run = seismic::FindMeshRun(index, mesh);
    if (run == nullptr)
        return; // the file holds no record of this mesh
    const std::uint64_t offset = seismic::SeekMeshOffset(*run);
    if (ScanRun(dataPath, offset, mesh, index, *run, paint) == RunScan::Misplaced && offset > 0)
        ScanRun(dataPath, 0, mesh, index, *run, paint);
}

CSeismicLayerRenderer::ScreenPoint CSeismicLayerRenderer::CellScreenPoint() const
{
    return {meshcode::TruncateToInt(float(CellLongitude - West) * XScale + XOffset),
            meshcode::TruncateToInt(float(North - CellLatitude) * YScale + YOffset)};
}

void CSeismicLayerRenderer::DrawProbabilisticMeshCells(int cellWidth, int cellHeight, const std::string& dataPath,
                                                       const std::string& mesh, const MeshSeekIndex& index)
{
    int lastClass = -1;
    ScanProbabilisticMesh(dataPath, mesh, index, [&](const ProbabilisticMeshRecord& record) {
        Strings[6] = record.codeText;
        RecordValue = record.value;
        const int valueClass = ClassifyProbabilisticRecord(0);
        if (valueClass == -1)
            return;
        if (valueClass != lastClass) {
            SelectProbabilisticColour(valueClass);
            lastClass = valueClass;
        }
        const ScreenPoint at = CellScreenPoint();
        DeviceContext.FillSolidRect(at.x, at.y, cellWidth, cellHeight, CellColour);
    });
}

void CSeismicLayerRenderer::DrawProbabilisticMeshLabels(const std::string& dataPath, const std::string& mesh,
                                                        const MeshSeekIndex& index, int cellCount)
{
    vd::Dc& dc = DeviceContext;
    const vd::COLORREF red = vd::RGB(255, 0, 0), black = vd::RGB(0, 0, 0);
    ResetCellColour();
    ScanProbabilisticMesh(dataPath, mesh, index, [&](const ProbabilisticMeshRecord& record) {
        Strings[6] = record.codeText;
        RecordValue = record.value;
        const int v = ClassifyProbabilisticRecord(1);
        if (v == -1)
            return;
        const ScreenPoint at = CellScreenPoint();
        const seismic::ValueLabel label = seismic::ProbabilisticValueLabel(DataKind, v);
        if (DetailLevel > 2 || label.flagged) {
            if (DetailLevel == kFullDetail) {
                if (label.text.empty())
                    return; // a file of unknown quantity has no numbers to show
                dc.SetTextColor(label.flagged ? red : black);
                dc.TextOut(at.x, at.y - 6, label.text);
                dc.SetTextColor(black);
            } else {
                dc.Ellipse(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
                if (label.red) {
                    dc.SetTextColor(red);
                    dc.TextOut(at.x + 4, at.y - 6, label.text);
                    dc.SetTextColor(black);
                }
            }
        } else if (cellCount <= 4) {
            dc.SetPixel(at.x, at.y, CellColour);
        }
    });
}

int CSeismicLayerRenderer::DrawProbabilistic(Walk walk, Paint paint, int givenCount, int entry, int legendYOffset)
{
    vd::Dc& dc = DeviceContext;
    const std::string dataPath = ReadSeismicDataEntry(kProbabilisticMap, entry);
    std::optional<MeshSeekIndex> index;
    if (walk == Walk::Detailed) {
        index = seismic::BuildMeshSeekIndex(&dc, dataPath);
        if (!index)
            return -1;
    }
    // The relief bytes are read once, before the block is walked.
    const int reliefMode = WideAreaMode;
    std::optional<seismic::ReliefShading> relief;
    if (paint == Paint::Relief)
        relief.emplace(Strings[4], Block(), ClassColours(kProbabilisticMap));

    const vd::Pen keptPen = dc.SelectObject(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255)));
    SelectSeismicPen(9);
    ResetCellColour();

    int count = StartWalk(walk, givenCount);
    SelectLabelFont(3, count);
    dc.SetBkMode(vd::TRANSPARENT);
    if (AreaKind == 3) {
        if (ReadWideAreaSettings(WideAreaMode, Strings[2]) == 1)
            count = 4;
        WideAreaMode /= 10;
    }
    if (walk != Walk::WholeCountry) {
        const float shrink = meshcode::BlockScaleShrink(count, AreaKind, walk == Walk::White ? 1 : 0);
        XScale *= shrink;
        YScale *= shrink;
    }
    seismic::CellLayout layout;
    if (paint == Paint::Relief) {
        relief->SizeSubCells(XScale, YScale, DetailLevel == kFullDetail);
    } else {
        layout = seismic::ParseCellLayout(meshcode::CellSizeText(count, XOffset, YOffset, XScale, YScale, Strings[1]));
        if (walk != Walk::WholeCountry) {
            XOffset = layout.xOffset;
            YOffset = layout.yOffset;
        }
    }
    if (walk != Walk::Detailed) {
        index = seismic::BuildMeshSeekIndex(&dc, dataPath);
        if (!index) {
            SelectLabelFont(4);
            dc.SelectObject(keptPen);
            return -1;
        }
    }

    StatusFlag = 0;
    std::string previous = vd::cp932Left(Strings[1], 4);
    for (int i = 0; i < count; ++i) {
        ShowLayerProgress(i, count);
        std::string code = CellCode(walk, count, i);
        if (walk == Walk::WholeCountry) {
            if (code.empty())
                code = previous; // an empty quad code repeats the cell before
            previous = code;
        }
        if (code.empty())
            continue;
        if (walk == Walk::Detailed && count > 1 && DetailLevel == kFullDetail &&
            !meshcode::FirstMeshOverlaps(West, North, East, South, -1, -1, code))
            continue;
        switch (paint) {
        case Paint::Cells:
            DrawProbabilisticMeshCells(layout.cellWidth, layout.cellHeight, dataPath, code, *index);
            break;
        case Paint::Labels:
            DrawProbabilisticMeshLabels(dataPath, code, *index, count);
            break;
        case Paint::Relief:
            relief->SetOrigin(ReliefOrigin(count, i, code, reliefMode));
            ScanProbabilisticMesh(dataPath, code, *index, [&](const ProbabilisticMeshRecord& record) {
                Strings[6] = record.codeText;
                RecordValue = record.value;
                const int valueClass = ClassifyProbabilisticRecord(0);
                if (valueClass >= 0)
                    FillReliefCell(*relief, CellLatitude, CellLongitude, valueClass);
            });
            break;
        }
    }

    dc.SetBkColor(vd::RGB(255, 255, 255));
    SelectLabelFont(4);
    SelectLabelFont(3, -888);
    if (walk != Walk::Detailed)
        dc.SelectObject(keptPen);
    int result = -1;
    if (paint == Paint::Labels)
        result = DrawSeismicLegend(kProbabilisticMap, 1, DetailLevel == kFullDetail ? 1 : 0, legendYOffset);
    else if (LegendAnchorX >= kLegendAnchorLeast)
        result = DrawSeismicLegend(kProbabilisticMap, 0, 0, walk == Walk::Detailed ? legendYOffset : 0);
    SelectLabelFont(4);
    dc.SetBkMode(vd::OPAQUE);
    dc.SelectObject(keptPen);
    return result;
}

int CSeismicLayerRenderer::DrawProbabilisticMesh(int, int entry, int legendYOffset)
{
    return DrawProbabilistic(Walk::Detailed, Paint::Cells, 0, entry, legendYOffset);
}

int CSeismicLayerRenderer::DrawProbabilisticLabels(int, int entry, int legendYOffset)
{
    return DrawProbabilistic(Walk::Detailed, Paint::Labels, 0, entry, legendYOffset);
}

int CSeismicLayerRenderer::DrawProbabilisticRelief(int, int entry, int legendYOffset)
{
    return DrawProbabilistic(Walk::Detailed, Paint::Relief, 0, entry, legendYOffset);
}

void CSeismicLayerRenderer::DrawProbabilisticWhiteMesh(int cellCount, int, int entry)
{
    DrawProbabilistic(Walk::White, Paint::Cells, cellCount, entry, 0);
}

void CSeismicLayerRenderer::DrawProbabilisticWholeCountry(int, int, int entry)
{
    DrawProbabilistic(Walk::WholeCountry, Paint::Cells, 0, entry, 0);
}
