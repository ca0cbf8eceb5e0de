#pragma once
// The readers of the land-price and power-plant files that DrawCodedPoints and
// DrawLandPricePoints share: the fixed-column files (DrawPriceRecords) and the comma-separated
// land-price files (DrawPriceCsvRecords). Each draws one file's markers and labels; a file that
// cannot be opened draws nothing.
#include "layers/render/LayerRenderer.h"
#include "layers/render/points/PriceLabels.h"

#include <string>

namespace points {

struct PriceRecordOptions {
    int key = 0; // the label selector, + 10 for power plants
    int spacingThreshold = 0;
    int stopLimit = 0; // records outside in a row that end the file (EarlyStop)
    bool pricePair = false;
    bool wholeCountry = true; // false: records of prefectures without their flag are skipped
};

void DrawPriceRecords(CLayerRenderer& r, const std::string& path, const PriceColumns& columns,
                      const PriceRecordOptions& options);

void DrawPriceCsvRecords(CLayerRenderer& r, const std::string& path, int labelSelector, int spacingThreshold,
                         int yearIndex);

} // namespace points
