// The tracks command: the track file dialog, then the map where the track starts (or the map
// shown) with the chosen tracks drawn.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"

void CVeldoranView::OnTracks()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.RunTrackDialog() == -1)
        return;
    const auto showSheetAgain = [&doc, this] {
        doc.FindSheetByName(doc.m_strMapName, doc.m_strSheetIndexFile);
        doc.m_nMapDisplayMode = map_display::kMainMap;
        InvalidateView();
    };
    if (doc.m_bTrackList == 0) {
        doc.m_anTrackSelected.fill(-1);
        doc.m_nTrackDisplay = 0;
        doc.m_strTrackFile.clear();
        showSheetAgain();
        return;
    }
    if (doc.m_strTrackFile.empty())
        doc.m_nTrackDisplay = 0;
    if (doc.m_nTrackDisplay != 1)
        return;
    doc.m_strLayerWord = "RESTART";
    if (doc.m_strTrackStartMap == "NOW") {
        showSheetAgain();
        return;
    }
    doc.DescribeTrackFile();
    const std::string& latitude = doc.m_astrWork50A[0];
    const std::string& longitude = doc.m_astrWork50A[1];
    if (latitude.empty() && longitude.empty()) {
        InvalidateView(false);
        return;
    }
    doc.ShowSheetAt(longitude, latitude);
    InvalidateView(true);
}
