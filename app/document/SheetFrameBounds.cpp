// The frame texts of the map drawn: the current sheet, the block around its origin sheet, or the
// bounds given in arc-seconds.
#include "app/document/VeldoranDoc.h"
#include "basemap/projection/SheetGrid.h"

void CVeldoranDoc::SetFrameBounds(SheetDrawState& draw, int north, int west, int south, int east) const
{
    switch (position.m_nMapFrame) {
    case 1:
        draw.m_strFrameNorth = draw.m_astrMapEntry[4];
        draw.m_strFrameEast = draw.m_astrMapEntry[5];
        draw.m_strFrameSouth = draw.m_astrMapEntry[2];
        draw.m_strFrameWest = draw.m_astrMapEntry[3];
        break;
    case 2: {
        const int lat = DmsToSeconds(draw.m_astrSheetPosition[2]);
        const int lon = DmsToSeconds(draw.m_astrSheetPosition[3]);
        int s = north;
        int n = north;
        if (position.m_nMapMode == 9) {
            s = 1;
            n = 2;
        } else if (position.m_nMapMode == 25) {
            s = 2;
            n = 3;
        } else if (position.m_nMapMode == 49) {
            s = 3;
            n = 4;
        }
        draw.m_strFrameNorth = SecondsToDms(lat + n * kMeshHeightSeconds);
        draw.m_strFrameEast = SecondsToDms(lon + n * kMeshWidthSeconds);
        draw.m_strFrameSouth = SecondsToDms(lat - s * kMeshHeightSeconds);
        draw.m_strFrameWest = SecondsToDms(lon - s * kMeshWidthSeconds);
        break;
    }
    case 3:
        draw.m_strFrameNorth = SecondsToDms(north);
        draw.m_strFrameEast = SecondsToDms(east);
        draw.m_strFrameSouth = SecondsToDms(south);
        draw.m_strFrameWest = SecondsToDms(west);
        break;
    default:
        break;
    }
}
