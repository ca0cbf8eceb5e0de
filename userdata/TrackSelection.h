#pragma once
// The GPS tracks: the track in hand and whether it is drawn, the track list's chosen tracks
// (list numbers, -1 after the last) and titles, the distance-mark interval in km and whether marks
// are drawn, the track dialog's current and last picked track, the start map and the start of the
// track described last (its sheet's south-west corner in entries 0 (latitude) and 1 (longitude)
// of m_astrWork50A, its first point line). The track dialog writes it; the draw reads it.
#include <array>
#include <string>

struct TrackSelection {
    int m_nTrackDisplay = 0;
    std::string m_strTrackFile;
    int m_bTrackList = 0; // 1 while the chosen tracks of the track list are drawn
    std::array<int, 65> m_anTrackSelected = [] {
        std::array<int, 65> none;
        none.fill(-1);
        return none;
    }();
    std::array<std::string, 65> m_astrTrackHistory;
    int m_nTrackScaleKm = 10;
    int m_bTrackScaleShown = 1;
    int m_nTrackCurrent = -1;     // the current track's list number (-1 none)
    int m_nTrackSelectedPos = 0;  // the chosen track last picked (1-based, 0 none)
    int m_nTrackTitleCount = 0;   // chosen titles in m_astrTrackHistory (at most 64, then "999")
    std::string m_strTrackStartMap = "START";
    std::string m_strTrackStartPoint;
    std::array<std::string, 50> m_astrWork50A;
};
