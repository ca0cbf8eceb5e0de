// DrawLandPricePoints: land prices (土地A) kept per prefecture, read over the block's cells for
// the year chosen in the settings. Data sets from year 14 on are comma-separated.
#include "layers/render/points/PointLayer.h"
#include "layers/render/points/PriceRecords.h"

#include <utility>

namespace {

constexpr int kFirstCsvYear = 14;
constexpr int kMeshStopLimit = 100000;

} // namespace

void CLayerRenderer::DrawLandPricePoints(int cellCount, int labelSelector, int, int yearIndex, std::string flagText)
{
    using namespace points;
    ParseOptionList(std::move(flagText));
    const LayerPen pen(*this);
    // The data set code follows the "("; a path without one is taken whole.
    const std::size_t open = DataSetPath.find('(');
    const int year = DataSetYear(std::string_view(DataSetPath).substr(open == std::string::npos ? 0 : open + 1));
    PointFileWalk files(*this, cellCount);
    const int threshold = SpacingThreshold(DetailLevel);
    const LabelFont font(*this, files.CellCount());
    PriceRecordOptions options;
    options.key = labelSelector;
    options.spacingThreshold = threshold;
    options.stopLimit = kMeshStopLimit;
    options.pricePair = true;
    const PriceColumns columns = MeshPriceColumns(year, yearIndex);
    files.ForEachFile([&](const std::string& path) {
        if (year >= kFirstCsvYear)
            DrawPriceCsvRecords(*this, path, labelSelector, threshold, yearIndex);
        else
            DrawPriceRecords(*this, path, columns, options);
    });
}
