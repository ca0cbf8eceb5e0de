#pragma once
// The text/picture registration dialog (template 137 "テキスト／画像の登録"): the name, item,
// text file and picture file of a new point at the clicked coordinates. "登録を終了" ends the
// registration mode (IDOK with state 0); the caller appends the line.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 137).
namespace registertextpictureids {
inline constexpr int IDC_PICTURE_FILE = 101;
inline constexpr int IDC_END_REGISTRATION = 103;
inline constexpr int IDC_ITEM = 104;
inline constexpr int IDC_TEXT_FILE = 105;
inline constexpr int IDC_NAME = 106;
inline constexpr int IDC_LATITUDE = 107;
inline constexpr int IDC_LONGITUDE = 108;
inline constexpr int IDC_TEXT_CHOOSER = 109;
inline constexpr int IDC_SHOW_TEXT = 114;
inline constexpr int IDC_PICTURE_CHOOSER = 115;
} // namespace registertextpictureids

class CDlgRegisterTextPicture : public vd::Dialog {
public:
    enum { IDD = 137 };
    explicit CDlgRegisterTextPicture(vd::Window* parent = nullptr);

    int m_nState = 0;
    std::string m_strLongitude;
    std::string m_strLatitude;
    std::string m_strName = "*****";
    std::string m_strItem = "*****";
    std::string m_strTextFile;
    std::string m_strPictureFile;

    bool OnInitDialog() override;

private:
    void OnTextFileButton();
    void OnPictureFileButton();
    void OnShowText();
    void OnEndRegistration();
};
