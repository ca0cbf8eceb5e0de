#include "view/navigation/CursorReadout.h"

#include "basemap/projection/CoordinateText.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/text/Format.h"

std::string TenThousandthsToDms(double value, const char* format)
{
    return vd::format(format, TenThousandthDegreesToDmsWholeSeconds(value));
}

CursorTexts SheetCursorTexts(int x, int y, int north, int south, int east, int west, int pixelWidth,
                             int pixelHeight)
{
    int latitude = north;
    int longitude = west;
    if (pixelHeight > 0)
        latitude = static_cast<int>(north - double(y - 30) / pixelHeight * (north - south));
    if (pixelWidth > 0)
        longitude = static_cast<int>(west + double(x - 10) / pixelWidth * (east - west));
    return {SecondsToDms(latitude), SecondsToDms(longitude)};
}

bool CursorInsideFrame(const CursorTexts& cursor, const std::string& south, const std::string& north,
                       const std::string& west, const std::string& east)
{
    return cursor.latitude >= south && cursor.latitude <= north && cursor.longitude >= west &&
           cursor.longitude <= east;
}

int NeighbourCell(int x, int y, int sheets, double scaleX, double scaleY)
{
    if (scaleX <= 0 || scaleY <= 0)
        return -1;
    const double f = sheets == 25 ? 0.6 : sheets == 49 ? 0.42857143 : 1.0;
    const int column = static_cast<int>(f * (x - 10) / scaleX);
    const int row = static_cast<int>(f * (y - 30) / scaleY);
    if (column < 0 || column >= 3 * kSheetUnits || row < 0 || row >= 3 * kSheetUnits || x < 10 || y < 30)
        return -1;
    return column / kSheetUnits + 3 * (row / kSheetUnits);
}
