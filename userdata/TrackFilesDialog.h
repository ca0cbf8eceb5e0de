#pragma once
// The track file dialog (template 176 "トラックファイル の登録・選択"): the registered GPS track files
// (profile "TrackList", keys "Track1" ..), a short description of the current one, the list of
// up to 65 chosen tracks, the distance-mark interval and where the map starts.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>
#include <vector>

// The dialog's control ids (template 176).
namespace trackfilesids {
inline constexpr int IDC_REGISTER = 1208;
inline constexpr int IDC_TITLE = 1209;
inline constexpr int IDC_DATUM = 1210;
inline constexpr int IDC_SHOW_TRACKS = 1212;
inline constexpr int IDC_DATE = 1213;
inline constexpr int IDC_START_POINT = 1218;
inline constexpr int IDC_FORMAT = 1219;
inline constexpr int IDC_FILE_COUNT = 1220;
inline constexpr int IDC_CLEAR_ALL = 1235;
inline constexpr int IDC_CANCEL = 1244;
inline constexpr int IDC_START_MAP = 1074;
inline constexpr int IDC_MAP_SHOWN = 1075;
inline constexpr int IDC_SCALE_SHOWN = 1267;
inline constexpr int IDC_INTERVAL = 1266;
inline constexpr int IDC_INTERVAL_UP = 1265;
inline constexpr int IDC_INTERVAL_DOWN = 1264;
inline constexpr int IDC_CHOSEN_LIST = 1268;
inline constexpr int IDC_CHOSEN_COUNT = 1262;
inline constexpr int IDC_CHOSEN_NUMBER = 1263;
inline constexpr int IDC_FILE_COMBO = 1269;
} // namespace trackfilesids

class CDlgTrackFiles : public vd::Dialog {
public:
    enum { IDD = 176 };
    static constexpr int kChosenTracks = 65;
    static constexpr int kRemovedEntry = 9999; // a chosen entry that is skipped

    explicit CDlgTrackFiles(vd::Window* parent = nullptr);

    int m_bShowTracks = 0;
    int m_nRegistered = 0;
    int m_nSelectedLast = -1;
    int m_nTrack = -1;
    std::array<int, kChosenTracks> m_anSelected;
    int m_bScaleShown = 0;
    int m_nScaleKm = 2;
    int m_nSelectedPos = 0;
    std::string m_strTrackFile;
    std::string m_strStartPoint;
    std::string m_strFormat;
    std::string m_strKind;
    std::string m_strStartMap;
    std::string m_strTitle;
    std::string m_strRequest;
    std::string m_strDatum;
    // Positions dropped from m_anSelected, in order, after a registered file was removed (the
    // numbers above it were lowered then); the caller drops the same titles.
    std::vector<int> m_anDroppedPositions;
    std::vector<int> m_anRemovedTracks; // the removed files' track numbers, in order

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Initialise();
    void Describe(int number);
    std::string RegisteredFile(int number) const; // 0-based
    void ShowFileInCombo();
    void DropRemovedTrack(int removed);
    void OnComboChange();
    void OnRegister();
    void OnShowTracks();
    void OnChosenChange();
    void OnChosenDoubleClick();
    void OnClearAll();
    void OnScaleShown();
    void OnIntervalUp();
    void OnIntervalDown();
};
