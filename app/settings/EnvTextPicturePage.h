#pragma once
// The text and picture page of the environment settings (template 164 "ﾃｷｽﾄ･画像"): where texts
// show, whether a text follows its picture, the keyword colouring of the text area (and the
// keyword dialog), the brightness of the picture background, whether JPEG pictures are shown by
// the program itself, and where pictures show.
#include "app/settings/KeywordDialog.h"
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 164).
namespace envtextpictureids {
inline constexpr int IDC_JPEG_BY_PROGRAM = 1002;
inline constexpr int IDC_PICTURE_OVER_MAP = 1036;
inline constexpr int IDC_PICTURE_PLAIN = 1037;
inline constexpr int IDC_PICTURE_DIALOG = 1038;
inline constexpr int IDC_BRIGHTER = 1065;
inline constexpr int IDC_DARKER = 1066;
inline constexpr int IDC_TEXT_AREA = 1146;
inline constexpr int IDC_TEXT_DIALOG = 1147;
inline constexpr int IDC_TEXT_WITH_PICTURE = 1148;
inline constexpr int IDC_COLOUR_TEXT_AREA = 1149;
inline constexpr int IDC_KEYWORDS = 1150;
inline constexpr int IDC_BRIGHTNESS = 1153;
} // namespace envtextpictureids

class CDlgEnvTextPicture : public vd::Dialog {
public:
    enum { IDD = 164 };
    CDlgEnvTextPicture();

    std::string m_strTextAppear;      // empty: the text area; "Dialog": a dialog
    std::string m_strTextWithPicture; // "on" / "off"
    int m_nBackGrandColor = 1;        // 1: the text area coloured by keyword
    KeywordSettings m_keywords;
    std::string m_strBmpBackground;   // 1 (dark) .. 10 (bright), as typed
    int m_nJpegProcess = 1;
    int m_nPicturePosition = 1;       // 0 over the map, 1 plain background, 2 a dialog

    bool OnInitDialog() override;

private:
    void OnKeywords();
    void StepBrightness(int step);
};
