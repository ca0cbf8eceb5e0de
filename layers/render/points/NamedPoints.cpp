// DrawPointNames: the user's own point sets of the 点Ａ rows, per prefecture over the block's
// cells; every point is marked and, at full detail, labelled with its column range.
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PointLayer.h"

#include <utility>

void CLayerRenderer::DrawPointNames(int cellCount, int labelSelector, std::string flagText)
{
    using namespace points;
    ParseOptionList(std::move(flagText));
    const LayerPen pen(*this);
    PointFileWalk files(*this, cellCount);
    const PointMarks marks(*this, SpacingThreshold(DetailLevel));
    const LabelFont font(*this, files.CellCount());
    files.ForEachFile([&](const std::string& path) {
        ForEachLine(path, [&](std::string_view line) {
            if (!IsPointRecord(line))
                return true;
            if (const std::optional<ScreenPoint> at = PointOnScreen(*this, line)) {
                marks.Marker(*at);
                if (marks.ShowsLabels())
                    marks.Label(*at, NamedPointLabel(line, labelSelector));
            }
            return true;
        });
    });
}
