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
        doc.FindSheetByName(doc.m_strMapName, doc.folders.m_strSheetIndexFile);
        doc.m_nMapDisplayMode = map_display::kMainMap;
        InvalidateView();
    };
    if (doc.tracks.m_bTrackList == 0) {
        doc.tracks.m_anTrackSelected.fill(-1);
        doc.tracks.m_nTrackDisplay = 0;
        doc.tracks.m_strTrackFile.clear();
        showSheetAgain();
        return;
    }
    if (doc.tracks.m_strTrackFile.empty())
        doc.tracks.m_nTrackDisplay = 0;
    if (doc.tracks.m_nTrackDisplay != 1)
        return;
    doc.repaint.m_strLayerWord = "RESTART";
    if (doc.tracks.m_strTrackStartMap == "NOW") {
        showSheetAgain();
        return;
    }
    doc.DescribeTrackFile();
    const std::string& latitude = doc.tracks.m_astrWork50A[0];
    const std::string& longitude = doc.tracks.m_astrWork50A[1];
    if (latitude.empty() && longitude.empty()) {
        InvalidateView(false);
        return;
    }
    doc.ShowSheetAt(longitude, latitude);
    InvalidateView(true);
}
