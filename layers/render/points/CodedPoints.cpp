// DrawCodedPoints: land prices (土地B) or power plants (発電所) from one file for the whole
// country. L01 and L02 land-price files hold a price pair per year of the data set.
#include "layers/render/points/PointLayer.h"
#include "layers/render/points/PriceRecords.h"

#include "platform/text/StringOps.h"


namespace {

constexpr int kPowerPlantKeys = 10;

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

void CLayerRenderer::DrawCodedPoints(int cellCount, int labelSelector, int powerFlag, std::string flagText)
{
    using namespace points;
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    const LayerPen pen(*this);
    PriceColumns columns = DefaultPriceColumns();
    PriceRecordOptions options;
    options.key = labelSelector;
    if (powerFlag == 0) {
        ParseOptionList(flagText);
        options.wholeCountry = !FiltersPrefectures(*this, flagText);
        // The data set is named by the file, not by the folders above it (a "-" or "l01" there
        // would choose the wrong columns).
        const std::string name = vd::toLowerAscii(FileNameOf(DataSetPath));
        options.pricePair = name.find("l01") != std::string::npos || name.find("l02") != std::string::npos;
        if (options.pricePair)
            columns = WholeFilePriceColumns(DataSetYear(name));
    } else {
        options.key = int(static_cast<unsigned>(labelSelector) + kPowerPlantKeys);
    }
    options.stopLimit = StopLimit(*this);
    options.spacingThreshold = SpacingThreshold(DetailLevel);
    const LabelFont font(*this, PointCellCount(*this, cellCount));
    DrawPriceRecords(*this, DataSetPath, columns, options);
}
