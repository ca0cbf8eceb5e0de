#pragma once
// The slide show of the menu bar (template 135): which of the eight item menus take part (text
// menus 1 to 5, picture menus 1 to 3), with each menu's entry count from SOURCE\MENUFILE.DAT,
// the play mode and the interval.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The dialog's control ids (template 135).
namespace menuslideshowids {
inline constexpr int IDC_FIRST_MENU = 1027; // 1027-1031 text menus 1-5, 1032-1034 picture menus 1-3
inline constexpr int IDC_LAST_MENU = 1034;
inline constexpr int IDC_FIRST_COUNT = 1035; // 1035-1042 beside them
inline constexpr int IDC_ALL = 1352;
inline constexpr int IDC_AUTO = 1353;
inline constexpr int IDC_MANUAL = 1354;
inline constexpr int IDC_INTERVAL = 1355;
inline constexpr int IDC_INTERVAL_UP = 1356;
inline constexpr int IDC_INTERVAL_DOWN = 1357;
} // namespace menuslideshowids

class CDlgMenuBarSlideShow : public vd::Dialog {
public:
    enum { IDD = 135 };
    CDlgMenuBarSlideShow();

    std::array<int, 8> m_anMenuOn{};  // 1 when the menu takes part
    int m_nAll = 0;                    // 1 while "すべて" is on
    int m_nInterval = 0;               // seconds a picture stays on screen
    std::string m_strFolder;           // the application folder, with a trailing backslash
    std::string m_strPlayMode;         // "AUTO" or "MANUAL"

    bool OnInitDialog() override;

    // The answer: the eight flags (all 1 under "すべて"), m_nAll, 1 or -1 (something to play
    // or not), the interval, each "%d|", then the play mode.
    std::string Answer() const;

private:
    void ShowEntryCounts();
    void OnMenuBox(int id);
    void OnAll();
    void OnIntervalUp();
    void OnIntervalDown();
    void ShowInterval();
};
