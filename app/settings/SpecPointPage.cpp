#include "app/settings/SpecPointPage.h"

#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace specpointids;

DialogTemplate SpecPointTemplate()
{
    DialogTemplate t;
    t.id = CDlgSpecPoint::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        checkBox(IDC_DISPLAY, "表示", {}, vd::BS_CHECKBOX),
        checkBox(IDC_POPUP, "ポップアップ", {}, vd::BS_CHECKBOX),
        ltext(vd::IDC_STATIC, "キーワード"),
        edit(IDC_KEYWORD),
        radioButton(1130, "ﾃｷｽﾄ", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(1131, "画像"),
        radioButton(1132, "両方"),
        radioButton(1133, "大", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(1134, "中"),
        radioButton(1135, "小"),
        radioButton(1136, "地点", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(1137, "項目"),
        radioButton(1138, "両方"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {SpecPointTemplate()});

} // namespace

CDlgSpecPoint::CDlgSpecPoint() : vd::Dialog(IDD)
{
    OnClicked(IDC_DISPLAY, [this] {
        m_values.m_nLinkPoint = ToggledFlag(m_values.m_nLinkPoint);
        CheckDlgButton(IDC_DISPLAY, m_values.m_nLinkPoint != 0 ? 1 : 0);
    });
    OnClicked(IDC_POPUP, [this] {
        m_values.m_nPointPopup = m_values.m_nPointPopup == 1 ? 0 : 1;
        CheckDlgButton(IDC_POPUP, m_values.m_nPointPopup == 1 ? 1 : 0);
    });
    OnControl(vd::EN_KILLFOCUS, IDC_KEYWORD, [this] { ReadKeyword(); });
    OnControlRange(vd::BN_CLICKED, IDC_TEXTS, IDC_BOTH_KINDS,
                   [this](int id) { m_values.m_nKindData = id - IDC_TEXTS + 1; });
    OnControlRange(vd::BN_CLICKED, IDC_LARGE, IDC_SMALL,
                   [this](int id) { m_values.m_nSymbolSize = IDC_SMALL - id + 1; });
    OnControlRange(vd::BN_CLICKED, IDC_POINT_NAME, IDC_BOTH_LABELS,
                   [this](int id) { m_values.m_nPointLabel = id - IDC_POINT_NAME + 1; });
}

bool CDlgSpecPoint::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(IDC_DISPLAY, m_values.m_nLinkPoint != 0 ? 1 : 0);
    CheckDlgButton(IDC_POPUP, m_values.m_nPointPopup == 1 ? 1 : 0);
    SetDlgItemText(IDC_KEYWORD, m_values.m_strPointKeyword);
    if (m_values.m_nKindData >= 1 && m_values.m_nKindData <= 3)
        CheckRadioButton(IDC_TEXTS, IDC_BOTH_KINDS, IDC_TEXTS + m_values.m_nKindData - 1);
    if (m_values.m_nSymbolSize >= 1 && m_values.m_nSymbolSize <= 3)
        CheckRadioButton(IDC_LARGE, IDC_SMALL, IDC_SMALL - m_values.m_nSymbolSize + 1);
    if (m_values.m_nPointLabel >= 1 && m_values.m_nPointLabel <= 3)
        CheckRadioButton(IDC_POINT_NAME, IDC_BOTH_LABELS, IDC_POINT_NAME + m_values.m_nPointLabel - 1);
    return true;
}

void CDlgSpecPoint::ReadKeyword()
{
    m_values.m_strPointKeyword = GetDlgItemText(IDC_KEYWORD);
}
