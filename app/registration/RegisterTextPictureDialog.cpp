#include "app/registration/RegisterTextPictureDialog.h"

#include "contracts/bindings/TovendlgExports.h"
#include "app/registration/PictureFileChooser.h"
#include "contracts/tovendlg.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace registertextpictureids;
constexpr int kMemoHead = 2; // the memo dialog shows the head of the file

DialogTemplate RegisterTextPictureTemplate()
{
    DialogTemplate t;
    t.id = CDlgRegisterTextPicture::IDD;
    t.caption = "       テキスト／画像の登録";
    t.controls = {
        ltext(vd::IDC_STATIC, "座標"),
        ltext(IDC_LATITUDE, "34.5000"),
        ltext(IDC_LONGITUDE, "135.0000"),
        ltext(vd::IDC_STATIC, "地名"),
        edit(IDC_NAME),
        ltext(vd::IDC_STATIC, "項目"),
        edit(IDC_ITEM),
        edit(IDC_TEXT_FILE),
        pushButton(IDC_TEXT_CHOOSER, "ﾌｧｲﾙ"),
        pushButton(IDC_SHOW_TEXT, "ﾃｷｽﾄ参照"),
        edit(IDC_PICTURE_FILE),
        pushButton(IDC_PICTURE_CHOOSER, "ﾌｧｲﾙ"),
        ltext(vd::IDC_STATIC, "ｳｪﾌﾞﾍﾟｰｼﾞはﾃｷｽﾄﾌｧｲﾙ欄で更新してください！"),
        pushButton(IDC_END_REGISTRATION, "登録を終了"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {RegisterTextPictureTemplate()});

} // namespace

CDlgRegisterTextPicture::CDlgRegisterTextPicture(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnClicked(IDC_TEXT_CHOOSER, [this] { OnTextFileButton(); });
    OnClicked(IDC_PICTURE_CHOOSER, [this] { OnPictureFileButton(); });
    OnClicked(IDC_SHOW_TEXT, [this] { OnShowText(); });
    OnClicked(IDC_END_REGISTRATION, [this] { OnEndRegistration(); });
    OnControl(vd::EN_KILLFOCUS, IDC_NAME, [this] { m_strName = GetDlgItemText(IDC_NAME); });
    OnControl(vd::EN_KILLFOCUS, IDC_ITEM, [this] { m_strItem = GetDlgItemText(IDC_ITEM); });
    // A file edit emptied by hand keeps the file chosen before.
    OnControl(vd::EN_KILLFOCUS, IDC_TEXT_FILE, [this] {
        if (const std::string text = GetDlgItemText(IDC_TEXT_FILE); !text.empty())
            m_strTextFile = text;
    });
    OnControl(vd::EN_KILLFOCUS, IDC_PICTURE_FILE, [this] {
        if (const std::string text = GetDlgItemText(IDC_PICTURE_FILE); !text.empty())
            m_strPictureFile = text;
    });
}

bool CDlgRegisterTextPicture::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_LATITUDE, m_strLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strLongitude);
    return true;
}

void CDlgRegisterTextPicture::OnTextFileButton()
{
    // A cancelled chooser empties the field.
    m_strTextFile = ChooseTextOrWebPage();
    SetDlgItemText(IDC_TEXT_FILE, m_strTextFile);
}

void CDlgRegisterTextPicture::OnPictureFileButton()
{
    const std::string picture = ChoosePictureWithPreview();
    if (picture.empty())
        return;
    m_strPictureFile = picture;
    SetDlgItemText(IDC_PICTURE_FILE, m_strPictureFile);
}

void CDlgRegisterTextPicture::OnShowText()
{
    if (auto* memo = Tovendlg().OnMemoDisplay.fn)
        memo(kMemoHead, 0, m_strTextFile, "");
}

void CDlgRegisterTextPicture::OnEndRegistration()
{
    m_nState = 0;
    EndDialog(vd::IDOK);
}
