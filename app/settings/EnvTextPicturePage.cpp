#include "app/settings/EnvTextPicturePage.h"

#include "app/settings/EnvSettingsValues.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace envtextpictureids;

DialogTemplate EnvTextPictureTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvTextPicture::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        radioButton(IDC_TEXT_AREA, "ﾃｷｽﾄ領域", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_TEXT_DIALOG, "ﾀﾞｲｱﾛｸﾞ"),
        checkBox(IDC_TEXT_WITH_PICTURE, "テキストを画像と連動して表示する", {}, vd::BS_AUTOCHECKBOX | vd::WS_GROUP),
        checkBox(IDC_COLOUR_TEXT_AREA, "テキスト領域を着色する"),
        pushButton(IDC_KEYWORDS, "キーワードの設定"),
        edit(IDC_BRIGHTNESS),
        pushButton(IDC_BRIGHTER, "△"),
        pushButton(IDC_DARKER, "▽"),
        checkBox(IDC_JPEG_BY_PROGRAM, "Jpg形式の画像ﾌｧｲﾙは本ｱﾌﾟﾘｹｰｼｮﾝで表示する"),
        radioButton(IDC_PICTURE_OVER_MAP, "地図の上", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_PICTURE_PLAIN, "無地の背景"),
        radioButton(IDC_PICTURE_DIALOG, "ﾀﾞｲｱﾛｸﾞ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvTextPictureTemplate()});

int CheckOf(bool on)
{
    return on ? vd::BST_CHECKED : vd::BST_UNCHECKED;
}

} // namespace

CDlgEnvTextPicture::CDlgEnvTextPicture()
{
    OnClicked(IDC_TEXT_AREA, [this] { m_strTextAppear.clear(); });
    OnClicked(IDC_TEXT_DIALOG, [this] { m_strTextAppear = "Dialog"; });
    OnClicked(IDC_TEXT_WITH_PICTURE, [this] { m_strTextWithPicture = m_strTextWithPicture == "on" ? "off" : "on"; });
    OnClicked(IDC_COLOUR_TEXT_AREA, [this] { m_nBackGrandColor = m_nBackGrandColor == 1 ? 0 : 1; });
    OnClicked(IDC_KEYWORDS, [this] { OnKeywords(); });
    OnControl(vd::EN_KILLFOCUS, IDC_BRIGHTNESS, [this] { m_strBmpBackground = GetDlgItemText(IDC_BRIGHTNESS); });
    OnClicked(IDC_BRIGHTER, [this] { StepBrightness(1); });
    OnClicked(IDC_DARKER, [this] { StepBrightness(-1); });
    OnClicked(IDC_JPEG_BY_PROGRAM, [this] { m_nJpegProcess = m_nJpegProcess == 1 ? 0 : 1; });
    OnControlRange(vd::BN_CLICKED, IDC_PICTURE_OVER_MAP, IDC_PICTURE_DIALOG,
                   [this](int id) { m_nPicturePosition = id - IDC_PICTURE_OVER_MAP; });
}

bool CDlgEnvTextPicture::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckRadioButton(IDC_TEXT_AREA, IDC_TEXT_DIALOG, m_strTextAppear.empty() ? IDC_TEXT_AREA : IDC_TEXT_DIALOG);
    CheckDlgButton(IDC_TEXT_WITH_PICTURE, CheckOf(m_strTextWithPicture == "on"));
    CheckDlgButton(IDC_COLOUR_TEXT_AREA, CheckOf(m_nBackGrandColor == 1));
    SetDlgItemText(IDC_BRIGHTNESS, m_strBmpBackground);
    CheckDlgButton(IDC_JPEG_BY_PROGRAM, CheckOf(m_nJpegProcess == 1));
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(IDC_PICTURE_OVER_MAP + i, CheckOf(m_nPicturePosition == i));
    return true;
}

void CDlgEnvTextPicture::OnKeywords()
{
    CDlgKeyword dialog(this);
    dialog.m_keywords = m_keywords;
    if (dialog.DoModal() != vd::IDOK)
        return;
    m_keywords = dialog.m_keywords;
    // Written at once: they stay written even when the environment settings are then cancelled.
    WriteKeywordSettings(m_keywords);
}

void CDlgEnvTextPicture::StepBrightness(int step)
{
    if (const auto value = SteppedBrightness(m_strBmpBackground, step)) {
        m_strBmpBackground = std::to_string(*value);
        SetDlgItemText(IDC_BRIGHTNESS, m_strBmpBackground);
    }
}
