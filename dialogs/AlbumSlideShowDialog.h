#pragma once
// The slide show of the registered texts and pictures (template 142): which kind of items, the
// interval, the size, the play mode and four display options. The memo option's words are
// "ON"/"OFF", the other three options' "on"/"off".
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 142).
namespace albumslideshowids {
inline constexpr int IDC_TEXTS = 136;
inline constexpr int IDC_PICTURES = 137;
inline constexpr int IDC_BOTH = 138;
inline constexpr int IDC_INTERVAL = 101;
inline constexpr int IDC_INTERVAL_UP = 103;
inline constexpr int IDC_INTERVAL_DOWN = 109;
inline constexpr int IDC_LARGE = 1025;
inline constexpr int IDC_SMALL = 1026;
inline constexpr int IDC_MEMO = 214;
inline constexpr int IDC_AUTO = 1016;
inline constexpr int IDC_MANUAL = 1017;
inline constexpr int IDC_COUNTDOWN = 1018;
inline constexpr int IDC_LOCATOR = 215;
inline constexpr int IDC_NO_JPEG = 1052;
} // namespace albumslideshowids

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
