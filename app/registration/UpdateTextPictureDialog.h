#pragma once
// The text/picture update dialog of a guide map's point (template 145 "テキスト／画像の更新"):
// its position on the picture, name, item, text and picture file, exchanged with the controls
// at start and on OK. "更新を終了" ends the update mode (state 0, result -1).
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 145).
namespace updatetextpictureids {
inline constexpr int IDC_NAME = 1052;
inline constexpr int IDC_ITEM = 1053;
inline constexpr int IDC_TEXT_FILE = 1054;
inline constexpr int IDC_PICTURE_FILE = 1055;
inline constexpr int IDC_TEXT_CHOOSER = 1057;
inline constexpr int IDC_PICTURE_CHOOSER = 1058;
inline constexpr int IDC_NOTE = 1059;
inline constexpr int IDC_Y = 1060;
inline constexpr int IDC_X = 1061;
inline constexpr int IDC_END_UPDATE = 1062;
} // namespace updatetextpictureids

class CDlgUpdateTextPicture : public vd::Dialog {
public:
    enum { IDD = 145 };
    explicit CDlgUpdateTextPicture(vd::Window* parent = nullptr);

    int m_nState = 0;
    std::string m_strX;
    std::string m_strY;
    std::string m_strName;
    std::string m_strItem;
    std::string m_strTextFile;
    std::string m_strPictureFile;

    void DoDataExchange(vd::DataExchange& dx) override;

private:
    void OnTextFileButton();
    void OnPictureFileButton();
    void OnEndUpdate();
};
