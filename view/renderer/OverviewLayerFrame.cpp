#include "view/renderer/OverviewLayerFrame.h"

#include "app/document/VeldoranDoc.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/text/Format.h"

OverviewLayerFrame OverviewLayerFrameOf(const CVeldoranDoc& doc, int clientHeight)
{
    OverviewLayerFrame frame;
    frame.north = CVeldoranDoc::DmsToSeconds(doc.m_strFrameNorth);
    frame.west = CVeldoranDoc::DmsToSeconds(doc.m_strFrameWest);
    frame.south = CVeldoranDoc::DmsToSeconds(doc.m_strFrameSouth);
    frame.east = CVeldoranDoc::DmsToSeconds(doc.m_strFrameEast);
    // Prefecture 46 (index 45) reaches over its centre mesh into the next one east.
    frame.mesh = vd::format("%02d%02d", (frame.north + frame.south) / (2 * kMeshHeightSeconds),
                            (frame.east + frame.west) / (2 * kMeshWidthSeconds) - kMeshFirstLongitudeDegree +
                                (doc.position.m_nPrefecture == 45 ? 1 : 0));
    const float lat0 = doc.m_fRefLatitude;
    const float lon0 = doc.m_fRefLongitude;
    const float s = doc.m_fMapScale;
    // Read through the clamped table: a bottom edge outside 15..70 degrees keeps a finite scale.
    frame.ratio = LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio,
                                  static_cast<int>((lat0 - static_cast<float>(clientHeight) * s) * 0.0001f));
    const float k = frame.ratio;
    frame.scaleY = 10000.0f / s * 0.00027777778f;
    frame.scaleX = 10000.0f / s / k * 0.00027777778f;
    frame.pixelsPerDegree = static_cast<int>(frame.scaleY * 3600.0f);
    frame.originX = static_cast<float>(doc.pointer.m_nOverviewOriginX) +
                    (static_cast<float>(frame.west) * 2.7777777f - lon0) / s / k;
    frame.originY = (lat0 - static_cast<float>(frame.north) * 2.7777777f) / s;
    return frame;
}

std::string OverviewPrefectureFlags(const CVeldoranDoc& doc)
{
    std::string flags = doc.environment.m_nPrfMpData == 1 ? "1|" : "0|";
    for (int n = 1; n < 48; ++n)
        flags += doc.environment.m_nPrfMpData != 1 && n == doc.position.m_nPrefecture + 1 ? "1|" : "0|";
    return flags;
}
