// DrawHeritagePoints: the cultural properties (文化財) and dams (ダム), one file for the whole
// country, filtered by prefecture and stopped early when a wide map runs through a long file.
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PointLayer.h"


namespace {

constexpr int kDamRow = 3;
constexpr int kPrefectureColumn = 25;

} // namespace

void CLayerRenderer::DrawHeritagePoints(int cellCount, int modeCode, int labelSelector, std::string flagText)
{
    using namespace points;
    ParseOptionList(flagText);
    const bool filter = FiltersPrefectures(*this, flagText);
    const bool dams = modeCode % 100 / 10 == kDamRow;
    const LayerPen pen(*this);
    const int cells = PointCellCount(*this, cellCount);
    PointMarks marks(*this, SpacingThreshold(DetailLevel));
    const LabelFont font(*this, cells);
    // A dam map of one cell always shows its labels; the spacing stays the caller's.
    if (dams && cells == 1)
        DetailLevel = kFullDetail;
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    EarlyStop stop{StopLimit(*this)};
    ForEachLine(DataSetPath, [&](std::string_view line) {
        if (!IsPointRecord(line) || !PrefectureSelected(*this, filter, line, kPrefectureColumn))
            return true;
        if (stop.Due())
            return false;
        const std::optional<ScreenPoint> at = PointOnScreen(*this, line);
        if (!at) {
            ++stop.outside;
            return true;
        }
        marks.Marker(*at);
        if (marks.Spaced(*at)) {
            stop.CountSpaced();
            if (marks.ShowsLabels())
                marks.Label(*at, dams ? DamLabel(line, labelSelector) : HeritageLabel(line, labelSelector));
        }
        marks.previous = *at;
        return true;
    });
}
