#pragma once
// The slide show of the menu bar (template 135): which of the eight item menus take part (text
// menus 1 to 5, picture menus 1 to 3), with each menu's entry count from SOURCE\MENUFILE.DAT,
// the play mode and the interval.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

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
