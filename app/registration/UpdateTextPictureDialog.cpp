#include "app/registration/UpdateTextPictureDialog.h"

#include "app/registration/PictureFileChooser.h"
#include "app/settings/SettingsFilePicker.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace updatetextpictureids;

DialogTemplate UpdateTextPictureTemplate()
{
    DialogTemplate t;
    t.id = CDlgUpdateTextPicture::IDD;
    t.caption = "       テキスト／画像の更新";
    t.controls = {
        ltext(vd::IDC_STATIC, "座標X"),
        edit(IDC_X),
        ltext(vd::IDC_STATIC, "座標Y"),
        edit(IDC_Y),
        ltext(vd::IDC_STATIC, "地名"),
        edit(IDC_NAME),
        ltext(vd::IDC_STATIC, "項目"),
        edit(IDC_ITEM),
        edit(IDC_TEXT_FILE),
        pushButton(IDC_TEXT_CHOOSER, "ﾌｧｲﾙ"),
        edit(IDC_PICTURE_FILE),
        pushButton(IDC_PICTURE_CHOOSER, "ﾌｧｲﾙ"),
        ltext(IDC_NOTE, "ｳｪﾌﾞﾍﾟｰｼﾞはﾃｷｽﾄﾌｧｲﾙ欄で更新してください！"),
        pushButton(IDC_END_UPDATE, "更新を終了"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {UpdateTextPictureTemplate()});

} // namespace

CDlgUpdateTextPicture::CDlgUpdateTextPicture(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnClicked(IDC_TEXT_CHOOSER, [this] { OnTextFileButton(); });
    OnClicked(IDC_PICTURE_CHOOSER, [this] { OnPictureFileButton(); });
    OnClicked(IDC_END_UPDATE, [this] { OnEndUpdate(); });
}

void CDlgUpdateTextPicture::DoDataExchange(vd::DataExchange& dx)
{
    vd::Dialog::DoDataExchange(dx);
    vd::DDX_Text(dx, IDC_X, m_strX);
    vd::DDX_Text(dx, IDC_Y, m_strY);
    vd::DDX_Text(dx, IDC_NAME, m_strName);
    vd::DDX_Text(dx, IDC_ITEM, m_strItem);
    vd::DDX_Text(dx, IDC_TEXT_FILE, m_strTextFile);
    vd::DDX_Text(dx, IDC_PICTURE_FILE, m_strPictureFile);
}

// Both choosers keep the field when cancelled.
void CDlgUpdateTextPicture::OnTextFileButton()
{
    if (const std::string file = ChooseTextOrWebPage(); !file.empty()) {
        m_strTextFile = file;
        SetDlgItemText(IDC_TEXT_FILE, file);
    }
}

void CDlgUpdateTextPicture::OnPictureFileButton()
{
    const std::string file = PickExistingFile("BMP files (*.bmp)|*.bmp|JPG files (*.jpg)|*.jpg|GIF files (*.gif)|*.gif|"
                                              "PCD files (*.pcd)|*.pcd|PIC files (*.pic)|*.pic",
                                              "bmp");
    if (!file.empty()) {
        m_strPictureFile = file;
        SetDlgItemText(IDC_PICTURE_FILE, file);
    }
}

void CDlgUpdateTextPicture::OnEndUpdate()
{
    m_nState = 0;
    EndDialog(-1);
}
