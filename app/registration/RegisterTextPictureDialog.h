#pragma once
// The text/picture registration dialog (template 137 "テキスト／画像の登録"): the name, item,
// text file and picture file of a new point at the clicked coordinates. "登録を終了" ends the
// registration mode (IDOK with state 0); the caller appends the line.
#include "platform/ui/Dialog.h"

#include <string>

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
