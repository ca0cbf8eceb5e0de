#include "layers/render/points/PriceRecords.h"

#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLayer.h"

#include <utility>

namespace points {

namespace {

constexpr int kPrefectureColumn = 25;

} // namespace

void DrawPriceRecords(CLayerRenderer& r, const std::string& path, const PriceColumns& columns,
                      const PriceRecordOptions& options)
{
    PointMarks marks(r, options.spacingThreshold);
    EarlyStop stop{options.stopLimit};
    ForEachLine(path, [&](std::string_view line) {
        if (!IsPointRecord(line) || !PrefectureSelected(r, !options.wholeCountry, line, kPrefectureColumn))
            return true;
        if (stop.Due())
            return false;
        const std::optional<ScreenPoint> at = PointOnScreen(r, line);
        if (!at) {
            ++stop.outside;
            return true;
        }
        marks.Marker(*at);
        if (marks.Spaced(*at)) {
            stop.CountSpaced();
            if (marks.ShowsLabels())
                marks.Label(*at, PriceRecordLabel(line, columns, options.key, options.pricePair));
        }
        marks.previous = *at;
        return true;
    });
}

void DrawPriceCsvRecords(CLayerRenderer& r, const std::string& path, int labelSelector, int spacingThreshold,
                         int yearIndex)
{
    PointMarks marks(r, spacingThreshold);
    bool header = true;
    ForEachLine(path, [&](std::string_view line) {
        if (std::exchange(header, false))
            return true;
        const LandPriceCsvRecord record = ParseLandPriceCsv(line);
        const std::optional<ScreenPoint> at = SecondsOnScreen(r, record.latitude, record.longitude);
        if (!at)
            return true;
        marks.Marker(*at);
        if (marks.Spaced(*at) && marks.ShowsLabels())
            marks.Label(*at, PriceCsvLabel(record, line, labelSelector, yearIndex));
        marks.previous = *at;
        return true;
    });
}

} // namespace points
