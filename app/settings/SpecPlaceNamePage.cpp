#include "app/settings/SpecPlaceNamePage.h"

#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace specplacenameids;

constexpr const char* kGothic = "ＭＳ ゴシック";
constexpr const char* kMincho = "ＭＳ 明朝";

DialogTemplate SpecPlaceNameTemplate()
{
    DialogTemplate t;
    t.id = CDlgSpecPlaceName::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        checkBox(IDC_DISPLAY, "表示", {}, vd::BS_CHECKBOX),
        ltext(vd::IDC_STATIC, "表示数"),
        comboBox(IDC_THINNING, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP,
                 {"すべて", "1つおきA", "1つおきB", "2つおきA", "2つおきB", "2つおきC", "3つおきA", "3つおきB",
                  "4つおきA", "4つおきB", "5つおき", "7つおき", "10おき", "15おき", "自動選択"}),
        radioButton(IDC_GOTHIC, "ｺﾞｼｯｸ", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_MINCHO, "明朝"),
        radioButton(IDC_HEIGHT_12, "12", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_HEIGHT_11, "11"),
        radioButton(IDC_HEIGHT_10, "10"),
        checkBox(IDC_POPUP, "ポップアップ", {}, vd::BS_CHECKBOX | vd::WS_GROUP),
        pushButton(IDC_KINDS, "種類"),
        ltext(IDC_IN_MAP, ""),
        ltext(IDC_TOTAL, ""),
        ltext(IDC_FILE, ""),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {SpecPlaceNameTemplate()});

} // namespace

CDlgSpecPlaceName::CDlgSpecPlaceName() : vd::Dialog(IDD)
{
    OnClicked(IDC_DISPLAY, [this] { OnDisplayClicked(); });
    OnControl(vd::CBN_SELCHANGE, IDC_THINNING, [this] { OnThinningChanged(); });
    OnClicked(IDC_GOTHIC, [this] { m_values.m_strFontName = kGothic; });
    OnClicked(IDC_MINCHO, [this] { m_values.m_strFontName = kMincho; });
    OnControlRange(vd::BN_CLICKED, IDC_HEIGHT_12, IDC_HEIGHT_10,
                   [this](int id) { m_values.m_nPlaceNameFontHeight = id - IDC_HEIGHT_12 + 1; });
    OnClicked(IDC_POPUP, [this] {
        m_values.m_nSiteNamePopup = ToggledFlag(m_values.m_nSiteNamePopup);
        CheckDlgButton(IDC_POPUP, m_values.m_nSiteNamePopup != 0 ? 1 : 0);
    });
    OnClicked(IDC_KINDS, [this] { OnKindsButton(); });
}

bool CDlgSpecPlaceName::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(IDC_DISPLAY, m_values.m_nSiteNameDisplay == 1 ? 1 : 0);
    if (auto* combo = item<vd::ComboBox>(IDC_THINNING))
        combo->SetCurSel(m_values.m_nPointDisplayFlag < 0 ? 0 : m_values.m_nPointDisplayFlag);
    CheckRadioButton(IDC_GOTHIC, IDC_MINCHO, m_values.m_strFontName == kGothic ? IDC_GOTHIC : IDC_MINCHO);
    const int height = m_values.m_nPlaceNameFontHeight;
    if (height >= 1 && height <= 3)
        CheckRadioButton(IDC_HEIGHT_12, IDC_HEIGHT_10, IDC_HEIGHT_12 + height - 1);
    CheckDlgButton(IDC_POPUP, m_values.m_nSiteNamePopup != 0 ? 1 : 0);
    SetDlgItemInt(IDC_IN_MAP, m_values.m_nPlaceNameInMap, true);
    SetDlgItemInt(IDC_TOTAL, m_values.m_nPlaceNameTotal, true);
    SetDlgItemText(IDC_FILE, m_values.m_strSiteNameFile);
    return true;
}

void CDlgSpecPlaceName::OnDisplayClicked()
{
    m_values.m_nSiteNameDisplay = m_values.m_nSiteNameDisplay == 1 ? -1 : 1;
    CheckDlgButton(IDC_DISPLAY, m_values.m_nSiteNameDisplay == 1 ? 1 : 0);
}

void CDlgSpecPlaceName::OnThinningChanged()
{
    if (auto* combo = item<vd::ComboBox>(IDC_THINNING); combo && combo->GetCurSel() >= 0)
        m_values.m_nPointDisplayFlag = combo->GetCurSel();
}

void CDlgSpecPlaceName::OnKindsButton()
{
    CDlgShownPlaceNames kinds(this);
    kinds.m_anKind = m_values.m_anPlaceNameKind;
    if (kinds.DoModal() == vd::IDOK)
        m_values.m_anPlaceNameKind = kinds.m_anKind;
}
