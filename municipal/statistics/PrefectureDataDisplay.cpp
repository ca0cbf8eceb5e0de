// OnPrefectureDataDisp: the statistics map of one per-prefecture data set over the prefecture
// map: a chart or number at each prefecture's point, then the name, kind, totals and legend
// boxes.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/files/PrefectureDataFile.h"
#include "basemap/files/PrefectureTableFile.h"
#include "contracts/surrick.h"
#include "municipal/SurrickText.h"
#include "municipal/prefmap/ClassList.h"
#include "municipal/prefmap/OutlineProjection.h"
#include "municipal/statistics/StatisticsCharts.h"
#include "municipal/statistics/StatisticsLegend.h"

namespace {

constexpr int kFontHeight = 10;
// The statistics map builds the ratio rows 15..60 only.
constexpr int kLastChartRatioDegree = 60;

std::vector<double> DivisorValues(const std::string& dataFolder, const surrick::DisplayKind& kind)
{
    if (!kind.perPopulation && !kind.perArea)
        return {};
    const auto file = ReadPrefectureDataFile(dataFolder + (kind.perPopulation ? "MAPELMNT\\県別人口.DAT"
                                                                               : "MAPELMNT\\県別面積.DAT"));
    std::vector<double> values;
    if (file)
        for (const auto& row : file->rows)
            values.push_back(row.value);
    return values;
}

} // namespace

extern "C" void OnPrefectureDataDisp(vd::Dc* dc, std::string dataFolder, std::string dataFile, std::string rankList,
                                     int colourChoice, int displayKind, int insetFlag, int projectionMode,
                                     int showFlag, int classCountFlag, int textMode, float refLatitude,
                                     float refLongitude, float scale, float originX, int clientWidth,
                                     int clientHeight)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const vd::Brush white(vd::RGB(255, 255, 255));
        const vd::Brush black(vd::RGB(0, 0, 0));
        const vd::Brush blue(vd::RGB(0, 0, 255));
        const vd::Brush red(vd::RGB(255, 0, 0));
        const vd::Pen blackPen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
        const vd::Pen redPen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0));
        const vd::Pen bluePen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255));
        const vd::Font font = surrick::MapFont(kFontHeight, surrick::kMinchoFace);
        const vd::Brush callerBrush = dc.SelectObject(white);
        const vd::Pen callerPen = dc.SelectObject(bluePen);
        const vd::Font callerFont = dc.SelectObject(font);
        dc.SetBkMode(textMode / 10 % 10 != 0 ? vd::TRANSPARENT : vd::OPAQUE);

        const surrick::OutlineProjection projection(projectionMode, static_cast<int>(originX), refLatitude,
                                                    refLongitude, scale, kLastChartRatioDegree);
        const auto points = ReadPrefectureChartPoints(dataFolder + "MAPELMNT\\都道府県.DAT");
        const surrick::DisplayKind kind = surrick::DisplayKindOf(displayKind);
        const PrefectureDataFile data = ReadPrefectureDataFile(dataFile).value_or(PrefectureDataFile{});
        // The sums are worked out whatever the show flag, so that every chart has its quantity.
        const surrick::StatisticsQuantities quantities(displayKind, data, DivisorValues(dataFolder, kind));
        const std::vector<int> ranks = surrick::ParseBarList(rankList, kPrefectureCount);
        const int lastRanked = ranks.back();

        surrick::ChartStyle style = surrick::ChartSizes(insetFlag != 0);
        style.white = &white;
        style.numberFormat = surrick::StatisticsQuantities::NumberFormat(
            lastRanked >= 0 && lastRanked < kPrefectureCount ? quantities.Quantity(lastRanked) : std::nullopt);
        const bool charts = displayKind > 0;
        switch (colourChoice) {
        case 0:
            dc.SetTextColor(vd::RGB(0, 0, 0));
            if (charts) {
                dc.SelectObject(blackPen);
                style.fill = &black;
            }
            break;
        case 1:
            dc.SetTextColor(vd::RGB(255, 0, 0));
            dc.SelectObject(redPen);
            if (charts)
                style.fill = &red;
            break;
        case 2:
            dc.SetTextColor(vd::RGB(0, 0, 255));
            if (charts) {
                dc.SelectObject(bluePen);
                style.fill = &blue;
            }
            break;
        default:
            break;
        }

        const std::size_t prefectures = std::min<std::size_t>(data.rows.size(), kPrefectureCount);
        for (std::size_t line = 0; points && line < prefectures && line < points->size(); ++line) {
            const auto q = quantities.Quantity(static_cast<int>(line));
            if (!q)
                continue;
            const PrefectureChartPoint& point = (*points)[line];
            double latitude = point.latitude;
            double longitude = point.longitude;
            if (insetFlag == 0 && surrick::InInsetArea(latitude, longitude)) {
                latitude += surrick::kInsetShiftNorth;
                longitude += surrick::kInsetShiftEast;
            }
            const PixelPoint p = projection.Project(latitude, longitude, point.latitudeDegree);
            surrick::DrawChart(dc, p, kind.shape, *q, data.rows[line].valueText, style);
        }

        dc.SelectObject(callerBrush);
        dc.SelectObject(callerPen);
        dc.SelectObject(callerFont);
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.SelectObject(redPen);
        surrick::LegendLayout layout;
        layout.width = clientWidth;
        layout.height = clientHeight;
        layout.nameShifted = textMode % 10 != 0;
        layout.textModeUnits = textMode % 10;
        layout.showStatistics = showFlag == 1;
        layout.largeCharts = insetFlag != 0;
        layout.tenClasses = classCountFlag != 0;
        surrick::DrawStatisticsBoxes(dc, layout, data.dataName, kind, quantities, ranks);

        dc.SelectObject(callerBrush);
        dc.SelectObject(callerPen);
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.SetBkMode(vd::OPAQUE);
    });
}
