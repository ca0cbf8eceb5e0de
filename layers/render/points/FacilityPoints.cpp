// DrawFacilityPoints: tides and ocean facilities, coastal facilities, tidal limits, harbours,
// fishing ports and airports, each one file for the whole country with several record kinds.
#include "layers/render/points/FacilityLabels.h"
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLayer.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kPrefectureColumn = 26;

// The themes whose single-cell map always shows labels.
bool LabelsOnOneCell(int modeCode)
{
    static constexpr std::array<int, 6> kCodes{40, 100, 400, 410, 420, 430};
    return std::find(kCodes.begin(), kCodes.end(), modeCode) != kCodes.end();
}

} // namespace

void CLayerRenderer::DrawFacilityPoints(int cellCount, int modeCode, int labelSelector, std::string flagText)
{
    using namespace points;
    ParseOptionList(flagText);
    const bool filter = FiltersPrefectures(*this, flagText);
    const LayerPen pen(*this);
    const int cells = PointCellCount(*this, cellCount);
    if (cells == 1 && LabelsOnOneCell(modeCode))
        DetailLevel = kFullDetail;
    PointMarks marks(*this, SpacingThreshold(DetailLevel));
    const LabelFont font(*this, cells);
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    // Wrapped like the codes themselves: an absurd code draws whole lines, never overflows.
    const int key = int(static_cast<unsigned>(modeCode) + static_cast<unsigned>(labelSelector));
    ForEachLine(DataSetPath, [&](std::string_view line) {
        if (!IsPointRecord(line) || !PrefectureSelected(*this, filter, line, kPrefectureColumn))
            return true;
        const std::optional<ScreenPoint> at = PointOnScreen(*this, line);
        if (!at)
            return true;
        if (!marks.Spaced(*at)) {
            marks.Marker(*at);
            marks.previous = *at;
            return true;
        }
        const std::optional<std::string> label = FacilityLabel(modeCode, key, line);
        if (!label)
            return true; // another kind, or its value missing: not drawn at all
        marks.Marker(*at);
        marks.Label(*at, *label);
        marks.previous = *at;
        return true;
    });
}
