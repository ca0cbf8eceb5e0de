#pragma once
// The slide show of the registered texts and pictures (template 142): which kind of items, the
// interval, the size, the play mode and four display options. The memo option's words are
// "ON"/"OFF", the other three options' "on"/"off".
#include "platform/ui/Dialog.h"

#include <string>

class CDlgAlbumSlideShow : public vd::Dialog {
public:
    enum { IDD = 142 };
    CDlgAlbumSlideShow();

    int m_nShowKind = 0;  // 1 texts, 2 pictures, 3 both
    int m_nInterval = 0;  // seconds between items
    int m_nSize = 0;      // 1 large, 2 small
    std::string m_strMemo;       // "ON": the memo is shown with a picture
    std::string m_strPlayMode;   // "AUTO" or "MANUAL"
    std::string m_strCountdown;  // "on": the seconds left are shown
    std::string m_strLocator;    // "on": the locator map of the point is shown
    std::string m_strJpeg;       // "on": JPEG pictures take part

    bool OnInitDialog() override;

    // "%d|%d|%d|" kind, interval, size, then memo|play mode|countdown|locator|JPEG word.
    std::string Answer() const;

private:
    void OnIntervalUp();
    void OnIntervalDown();
    void ShowInterval();
};
