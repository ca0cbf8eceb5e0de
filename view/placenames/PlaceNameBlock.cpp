#include "view/placenames/PlaceNameBlock.h"

#include "app/document/VeldoranDoc.h"
#include "basemap/projection/PixelCoordinate.h"
#include "basemap/projection/SheetGrid.h"

namespace {

constexpr int kFreeExtentFrame = 3;

int SheetsAcross(const CVeldoranDoc& doc)
{
    if (doc.position.m_nMapFrame == 1)
        return 1;
    switch (doc.position.m_nMapMode) {
    case 25: return 5;
    case 49: return 7;
    default: return 3;
    }
}

} // namespace

PlaceNameBlock::PlaceNameBlock(const CVeldoranDoc& doc, int originX, int originY)
    : freeExtent_(doc.position.m_nMapFrame == kFreeExtentFrame), sheets_(SheetsAcross(doc)), originX_(originX),
      originY_(originY), zoomX_(doc.m_fWhiteZoomX), zoomY_(doc.m_fWhiteZoomY)
{
    if (freeExtent_) {
        west_ = doc.position.m_nRangeWestSec;
        south_ = doc.position.m_nRangeSouthSec;
        east_ = doc.position.m_nRangeEastSec;
        north_ = doc.position.m_nRangeNorthSec;
    } else {
        west_ = doc.m_nBlockWestSec;
        south_ = doc.m_nBlockSouthSec;
        east_ = west_ + sheets_ * kMeshWidthSeconds;
        north_ = south_ + sheets_ * kMeshHeightSeconds;
    }
}

bool PlaceNameBlock::Contains(double latitudeSec, double longitudeSec) const
{
    return longitudeSec >= west_ && longitudeSec < east_ && latitudeSec >= south_ && latitudeSec < north_;
}

vd::Point PlaceNameBlock::Position(double latitudeSec, double longitudeSec) const
{
    if (freeExtent_)
        return {originX_ + TruncatedPixel((longitudeSec - west_) * double(zoomX_)),
                originY_ + TruncatedPixel((north_ - latitudeSec) * double(zoomY_))};
    const double x = (longitudeSec - west_) * double(zoomX_) * 0.08888889;
    const double y = double(float(sheets_) * zoomY_ * float(kSheetUnits)) -
                     (latitudeSec - south_) * double(zoomY_) * 0.13333334;
    return {originX_ + TruncatedPixel(x), originY_ + TruncatedPixel(y)};
}
