// The frame texts of the map drawn: the current sheet, the block around its origin sheet, or the
// bounds given in arc-seconds.
#include "app/document/VeldoranDoc.h"
#include "basemap/projection/SheetGrid.h"

void CVeldoranDoc::SetFrameBounds(int north, int west, int south, int east)
{
    switch (m_nMapFrame) {
    case 1:
        m_strFrameNorth = m_astrMapEntry[4];
        m_strFrameEast = m_astrMapEntry[5];
        m_strFrameSouth = m_astrMapEntry[2];
        m_strFrameWest = m_astrMapEntry[3];
        break;
    case 2: {
        const int lat = DmsToSeconds(m_astrSheetPosition[2]);
        const int lon = DmsToSeconds(m_astrSheetPosition[3]);
        int s = north;
        int n = north;
        if (m_nMapMode == 9) {
            s = 1;
            n = 2;
        } else if (m_nMapMode == 25) {
            s = 2;
            n = 3;
        } else if (m_nMapMode == 49) {
            s = 3;
            n = 4;
        }
        m_strFrameNorth = SecondsToDms(lat + n * kMeshHeightSeconds);
        m_strFrameEast = SecondsToDms(lon + n * kMeshWidthSeconds);
        m_strFrameSouth = SecondsToDms(lat - s * kMeshHeightSeconds);
        m_strFrameWest = SecondsToDms(lon - s * kMeshWidthSeconds);
        break;
    }
    case 3:
        m_strFrameNorth = SecondsToDms(north);
        m_strFrameEast = SecondsToDms(east);
        m_strFrameSouth = SecondsToDms(south);
        m_strFrameWest = SecondsToDms(west);
        break;
    default:
        break;
    }
}
