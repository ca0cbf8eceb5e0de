// The document's GPS track settings: the track file dialog over them, and the sheet where the
// described track starts (Dovanne's OnTrackStartMapModule).
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/text/Cp932Text.h"
#include "userdata/TrackFilesDialog.h"

#include <algorithm>

namespace {

constexpr int kTitleLimit = 64;

int FormatNumber(std::string& format)
{
    if (format == "DMS")
        return 1;
    if (format == "DMM")
        return 2;
    if (format == "DEG")
        return 3;
    if (format == "MapFan(ROT)")
        return 4;
    if (format == "AtlasRD") {
        format = "log";
        return 5;
    }
    return 0; // the library answers "/" for it: no sheet
}

// "35,40,12,139,45,30" (D'M'S) as the DMS point "N354012.0 E1394530.0".
std::string DmsPointOfDegreesMinutesSeconds(const std::string& o)
{
    return "N" + vd::cp932Mid(o, 0, 2) + vd::cp932Mid(o, 3, 2) + vd::cp932Mid(o, 6, 2) + ".0 E" +
           vd::cp932Mid(o, 9, 3) + vd::cp932Mid(o, 13, 2) + vd::cp932Mid(o, 16, 2) + ".0";
}

} // namespace

void CVeldoranDoc::DescribeTrackFile()
{
    tracks.m_astrWork50A[0].clear();
    tracks.m_astrWork50A[1].clear();
    if (tracks.m_strTrackStartPoint.empty())
        return;
    if (m_strTrackFormat == "D'M'S") {
        tracks.m_strTrackStartPoint = DmsPointOfDegreesMinutesSeconds(tracks.m_strTrackStartPoint);
        m_strTrackFormat = "DMS";
    }
    const int number = FormatNumber(m_strTrackFormat);
    auto* startMap = Dovanne().OnTrackStartMapModule.fn;
    if (!startMap)
        return;
    const std::string corner = startMap(tracks.m_strTrackStartPoint, m_strTrackFormat, number);
    const std::size_t slash = corner.find('/');
    tracks.m_astrWork50A[0] = corner.substr(0, slash);
    tracks.m_astrWork50A[1] = slash == std::string::npos ? std::string() : corner.substr(slash + 1);
}

int CVeldoranDoc::RunTrackDialog()
{
    CDlgTrackFiles dialog;
    dialog.m_strTrackFile = tracks.m_strTrackFile;
    dialog.m_bShowTracks = tracks.m_nTrackDisplay;
    dialog.m_nTrack = tracks.m_nTrackCurrent;
    dialog.m_bScaleShown = tracks.m_bTrackScaleShown;
    dialog.m_nScaleKm = tracks.m_nTrackScaleKm;
    dialog.m_nSelectedPos = tracks.m_nTrackSelectedPos;
    dialog.m_strStartMap = tracks.m_strTrackStartMap;
    for (std::size_t i = 0; i < tracks.m_anTrackSelected.size(); ++i) {
        dialog.m_anSelected[i] = tracks.m_anTrackSelected[i];
        if (tracks.m_anTrackSelected[i] == -1)
            break;
    }

    repaint.m_bDialogOpen = 1;
    const int answer = dialog.DoModal();
    repaint.m_bDialogOpen = 0;

    // A registered file removed inside the dialog renumbered the chosen tracks; that holds
    // whether the dialog ends with OK or not.
    if (!dialog.m_anRemovedTracks.empty()) {
        tracks.m_anTrackSelected = dialog.m_anSelected;
        for (const int position : dialog.m_anDroppedPositions) {
            if (position >= tracks.m_nTrackTitleCount)
                continue;
            std::move(tracks.m_astrTrackHistory.begin() + position + 1,
                      tracks.m_astrTrackHistory.begin() + tracks.m_nTrackTitleCount + 1,
                      tracks.m_astrTrackHistory.begin() + position);
            --tracks.m_nTrackTitleCount;
        }
        if (tracks.m_nTrackSelectedPos > tracks.m_nTrackTitleCount)
            tracks.m_nTrackSelectedPos = 0;
        for (const int removed : dialog.m_anRemovedTracks)
            tracks.m_nTrackCurrent =
                tracks.m_nTrackCurrent == removed ? -1 : tracks.m_nTrackCurrent - (tracks.m_nTrackCurrent > removed);
        tracks.m_bTrackList = tracks.m_anTrackSelected[0] != -1 ? 1 : 0;
    }
    if (answer != vd::IDOK)
        return -1;

    tracks.m_nTrackDisplay = dialog.m_bShowTracks;
    tracks.m_strTrackFile = dialog.m_strTrackFile;
    m_strTrackFormat = dialog.m_strFormat;
    m_strTrackKind = dialog.m_strKind;
    tracks.m_strTrackStartPoint = dialog.m_strStartPoint;
    tracks.m_bTrackScaleShown = dialog.m_bScaleShown;
    tracks.m_nTrackScaleKm = dialog.m_nScaleKm;
    tracks.m_strTrackStartMap = dialog.m_strStartMap;
    const int n = dialog.m_nTrack;
    if (n == -1) {
        tracks.m_nTrackTitleCount = 0;
        tracks.m_nTrackCurrent = -1;
        tracks.m_bTrackList = 0;
        return 1;
    }
    if (n == tracks.m_nTrackCurrent) {
        tracks.m_nTrackSelectedPos = dialog.m_nSelectedPos;
    } else {
        const std::size_t count = std::size_t(tracks.m_nTrackTitleCount);
        tracks.m_nTrackCurrent = n;
        tracks.m_anTrackSelected[count] = n;
        tracks.m_astrTrackHistory[count] = dialog.m_strTitle;
        tracks.m_nTrackSelectedPos = tracks.m_nTrackTitleCount + 1;
        tracks.m_nTrackTitleCount = std::min(tracks.m_nTrackTitleCount + 1, kTitleLimit);
        tracks.m_astrTrackHistory[std::size_t(tracks.m_nTrackTitleCount)] = "999";
    }
    tracks.m_bTrackList = tracks.m_anTrackSelected[0] != -1 ? 1 : 0;
    return 1;
}
