#include "dialogs/SearchFacilityPage.h"

#include "dialogs/DialogLibraryApp.h"
#include "dialogs/PlaceSearchClasses.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

using namespace vd::ui;

using namespace searchfacilityids;

constexpr SearchAreaIds kAreaIds{IDC_PREFECTURE, IDC_GOVERNMENT, IDC_TEXT};

DialogTemplate SearchFacilityTemplate()
{
    DialogTemplate t;
    t.id = CDlgSearchFacility::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{4, 16, 250, 120};
    t.controls = {
        ltext(vd::IDC_STATIC, "大分類", DialogUnits{4, 6, 40, 10}),
        comboBox(IDC_MAJOR, DialogUnits{46, 4, 150, 100}),
        ltext(IDC_MAJOR_CODE, "", DialogUnits{200, 6, 16, 10}),
        ltext(vd::IDC_STATIC, "小分類", DialogUnits{4, 22, 40, 10}),
        comboBox(IDC_MINOR, DialogUnits{46, 20, 150, 100}),
        ltext(IDC_MINOR_CODE, "", DialogUnits{200, 22, 16, 10}),
        pushButton(IDC_CLEAR, "条件ｸﾘｱｰ", DialogUnits{190, 96, 50, 14}),
    };
    for (auto& control : SearchConditionsPage::AreaControls(kAreaIds, 36))
        t.controls.push_back(std::move(control));
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {SearchFacilityTemplate()});

} // namespace

CDlgSearchFacility::CDlgSearchFacility() : SearchConditionsPage(IDD, kAreaIds)
{
    OnControl(vd::CBN_SELCHANGE, IDC_MAJOR, [this] { OnMajorChosen(); });
    OnControl(vd::CBN_SELCHANGE, IDC_MINOR, [this] { OnMinorChosen(); });
    OnClicked(IDC_CLEAR, [this] { OnClear(); });
}

bool CDlgSearchFacility::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    ShowArea();
    auto* majors = item<vd::ComboBox>(IDC_MAJOR);
    for (const SearchClass& major : FacilityMajorClasses())
        majors->AddString(major.name);
    if (m_nMajorCode != -1) {
        SelectName(*majors, m_strMajorName);
        FillMinorClasses();
        if (m_nMinorCode != -1)
            SelectName(*item<vd::ComboBox>(IDC_MINOR), m_strMinorName);
    }
    return true;
}

void CDlgSearchFacility::FillMinorClasses()
{
    auto* minors = item<vd::ComboBox>(IDC_MINOR);
    minors->ResetContent();
    for (const SearchClass& minor : FacilityMinorClasses(m_nMajorCode))
        minors->AddString(minor.name);
}

void CDlgSearchFacility::OnMajorChosen()
{
    const int chosen = item<vd::ComboBox>(IDC_MAJOR)->GetCurSel();
    const auto& majors = FacilityMajorClasses();
    if (chosen < 0 || chosen >= static_cast<int>(majors.size()))
        return;
    m_nMinorCode = -1;
    m_strMinorName.clear();
    m_nMajorCode = majors[static_cast<std::size_t>(chosen)].code;
    m_strMajorName = majors[static_cast<std::size_t>(chosen)].name;
    SetDlgItemText(IDC_MAJOR_CODE, vd::format("%2d", m_nMajorCode));
    SetDlgItemText(IDC_MINOR_CODE, "");
    FillMinorClasses();
}

void CDlgSearchFacility::OnMinorChosen()
{
    TakeMinorChoice(IDC_MINOR, IDC_MINOR_CODE, FacilityMinorClasses(m_nMajorCode), m_nMinorCode, m_strMinorName);
}

void CDlgSearchFacility::OnClear()
{
    m_nMajorCode = m_nMinorCode = -1;
    m_strMajorName.clear();
    m_strMinorName.clear();
    item<vd::ComboBox>(IDC_MAJOR)->SetCurSel(-1);
    item<vd::ComboBox>(IDC_MINOR)->ResetContent();
    for (int text : {IDC_MAJOR_CODE, IDC_MINOR_CODE})
        SetDlgItemText(text, "");
    ClearArea();
}
