#pragma once
// The document's latitude-ratio table: entries 15..70 are built as the document starts, the
// others stay 0. Read by every projection of the overviews and the record placing.
#include "basemap/projection/LatitudeRatioTable.h"

struct LatitudeRatios {
    float m_afLatitudeRatio[kLatitudeRatioTableSize] = {};
};
