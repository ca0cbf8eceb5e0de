// DrawPointMarkers: the public facilities (公共施設), per prefecture over the block's cells, with
// the major category of the settings as a filter and the name or kind as label.
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PointLayer.h"

#include <utility>

namespace {

constexpr int kFacilityLabelDx = 4;

} // namespace

void CLayerRenderer::DrawPointMarkers(int cellCount, int classFilter, int labelSelector, std::string flagText)
{
    using namespace points;
    ParseOptionList(std::move(flagText));
    const LayerPen pen(*this);
    PointFileWalk files(*this, cellCount);
    PointMarks marks(*this, SpacingThreshold(DetailLevel), kFacilityLabelDx);
    const LabelFont font(*this, files.CellCount());
    files.ForEachFile([&](const std::string& path) {
        ForEachLine(path, [&](std::string_view line) {
            if (!IsPointRecord(line) || (classFilter > 0 && PublicFacilityCategory(line) != classFilter))
                return true;
            const std::optional<ScreenPoint> at = PointOnScreen(*this, line);
            if (!at)
                return true;
            marks.Marker(*at);
            if (marks.Spaced(*at) && marks.ShowsLabels())
                marks.Label(*at, PublicFacilityLabel(line, labelSelector));
            marks.previous = *at;
            return true;
        });
    });
}
