#include "app/settings/SpecDistancePage.h"

#include "app/settings/StartCityDialog.h"
#include "app/settings/StartCityFile.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace specdistanceids;

DialogTemplate SpecDistanceTemplate()
{
    DialogTemplate t;
    t.id = CDlgSpecDistance::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        checkBox(IDC_DISPLAY, "表示", {}, vd::BS_CHECKBOX),
        ltext(vd::IDC_STATIC, "終点"),
        radioButton(IDC_END_POINT, "登録地点", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_END_POINTER, "ポインタ"),
        ltext(vd::IDC_STATIC, "始点", {}, vd::WS_GROUP),
        // A drop-down with an edit, so the current city shows even when the file lacks it.
        comboBox(IDC_CITY, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_START_CITY, "始点の都市"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {SpecDistanceTemplate()});

} // namespace

CDlgSpecDistance::CDlgSpecDistance() : vd::Dialog(IDD)
{
    OnClicked(IDC_DISPLAY, [this] {
        m_values.m_nDistanceShow = ToggledFlag(m_values.m_nDistanceShow);
        CheckDlgButton(IDC_DISPLAY, m_values.m_nDistanceShow != 0 ? 1 : 0);
    });
    OnClicked(IDC_END_POINT, [this] { m_values.m_nDistanceEnd = 0; });
    OnClicked(IDC_END_POINTER, [this] { m_values.m_nDistanceEnd = 1; });
    OnControl(vd::CBN_SELCHANGE, IDC_CITY, [this] { OnCityChosen(); });
    OnClicked(IDC_START_CITY, [this] { OnStartCityButton(); });
}

bool CDlgSpecDistance::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(IDC_DISPLAY, m_values.m_nDistanceShow != 0 ? 1 : 0);
    CheckRadioButton(IDC_END_POINT, IDC_END_POINTER, m_values.m_nDistanceEnd != 0 ? IDC_END_POINTER : IDC_END_POINT);
    FillCityList();
    return true;
}

void CDlgSpecDistance::FillCityList()
{
    auto* combo = item<vd::ComboBox>(IDC_CITY);
    if (!combo)
        return;
    combo->ResetContent();
    m_astrCityLine = ReadStartCityLines(StartCityFilePath(m_values.m_strAppDir));
    for (const std::string& line : m_astrCityLine)
        combo->AddString(SplitStartCityLine(line).name);
    combo->SetWindowText(m_values.city.m_strDepature);
}

void CDlgSpecDistance::OnCityChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_CITY);
    if (!combo)
        return;
    const int index = combo->GetCurSel();
    if (index < 0 || index >= int(m_astrCityLine.size()))
        return;
    m_values.city = StartCityOfLine(m_astrCityLine[std::size_t(index)]);
}

void CDlgSpecDistance::OnStartCityButton()
{
    CDlgStartCity dialog(this);
    dialog.m_city = m_values.city;
    dialog.m_strAppDir = m_values.m_strAppDir;
    dialog.m_strEditor = m_values.m_strEditor;
    if (dialog.DoModal() == vd::IDOK)
        m_values.city = dialog.m_city;
    // The file may have changed even when the dialog was cancelled.
    if (dialog.m_nEdited == 1)
        FillCityList();
    else if (auto* combo = item<vd::ComboBox>(IDC_CITY))
        combo->SetWindowText(m_values.city.m_strDepature);
}
