// DrawPointLengths: the river-course points (水系域流路延長), per prefecture over the block's
// cells, labelled with a code, a length or the river-bed height.
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PointLayer.h"

#include <utility>

void CLayerRenderer::DrawPointLengths(int cellCount, int labelSelector, std::string flagText)
{
    using namespace points;
    ParseOptionList(std::move(flagText));
    const LayerPen pen(*this);
    PointFileWalk files(*this, cellCount);
    PointMarks marks(*this, SpacingThreshold(DetailLevel));
    const LabelFont font(*this, files.CellCount());
    files.ForEachFile([&](const std::string& path) {
        ForEachLine(path, [&](std::string_view line) {
            if (!IsPointRecord(line))
                return true;
            const std::optional<ScreenPoint> at = PointOnScreen(*this, line);
            if (!at)
                return true;
            marks.Marker(*at);
            if (!marks.Spaced(*at)) {
                marks.previous = *at;
            } else if (marks.ShowsLabels()) {
                marks.Label(*at, RiverLengthLabel(line, labelSelector));
                marks.previous = *at;
            }
            // Below full detail a far point keeps the previous marker where it was.
            return true;
        });
    });
}
