// DrawPlainPoints: the user's own point sets of the 点Ｂ rows, one file for the whole country,
// labelled with a column range of the record where the spacing allows.
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PointLayer.h"

void CLayerRenderer::DrawPlainPoints(int cellCount, int labelSelector)
{
    using namespace points;
    const LayerPen pen(*this);
    const int cells = PointCellCount(*this, cellCount);
    PointMarks marks(*this, SpacingThreshold(DetailLevel));
    const LabelFont font(*this, cells);
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    ForEachLine(DataSetPath, [&](std::string_view line) {
        if (!IsPointRecord(line))
            return true;
        const std::optional<ScreenPoint> at = PointOnScreen(*this, line);
        if (!at)
            return true;
        marks.Marker(*at);
        if (marks.Spaced(*at) && marks.ShowsLabels())
            marks.Label(*at, PlainPointLabel(line, labelSelector));
        marks.previous = *at;
        return true;
    });
}
