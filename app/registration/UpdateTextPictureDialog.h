#pragma once
// The text/picture update dialog of a guide map's point (template 145 "テキスト／画像の更新"):
// its position on the picture, name, item, text and picture file, exchanged with the controls
// at start and on OK. "更新を終了" ends the update mode (state 0, result -1).
#include "platform/ui/Dialog.h"

#include <string>

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
