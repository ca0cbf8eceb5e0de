#include "dialogs/SearchPlaceNamePage.h"

#include "dialogs/DialogLibraryApp.h"
#include "dialogs/PlaceSearchClasses.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

using namespace vd::ui;

using namespace searchplacenameids;

constexpr SearchAreaIds kAreaIds{IDC_PREFECTURE, IDC_GOVERNMENT, IDC_TEXT};

DialogTemplate SearchPlaceNameTemplate()
{
    std::vector<std::string> majors;
    for (const SearchClass& major : kPlaceNameMajorClasses)
        majors.emplace_back(major.name);
    DialogTemplate t;
    t.id = CDlgSearchPlaceName::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{4, 16, 250, 120};
    t.controls = {
        ltext(vd::IDC_STATIC, "大分類", DialogUnits{4, 6, 40, 10}),
        comboBox(IDC_MAJOR, DialogUnits{46, 4, 150, 100}, vd::CBS_DROPDOWNLIST, majors),
        ltext(IDC_MAJOR_CODE, "", DialogUnits{200, 6, 16, 10}),
        ltext(vd::IDC_STATIC, "中分類", DialogUnits{4, 22, 40, 10}),
        comboBox(IDC_MIDDLE, DialogUnits{46, 20, 150, 100}),
        ltext(IDC_MIDDLE_CODE, "", DialogUnits{200, 22, 16, 10}),
        ltext(vd::IDC_STATIC, "小分類", DialogUnits{4, 38, 40, 10}),
        comboBox(IDC_MINOR, DialogUnits{46, 36, 150, 100}),
        ltext(IDC_MINOR_CODE, "", DialogUnits{200, 38, 16, 10}),
        pushButton(IDC_CLEAR, "条件ｸﾘｱｰ", DialogUnits{190, 96, 50, 14}),
    };
    for (auto& control : SearchConditionsPage::AreaControls(kAreaIds, 52))
        t.controls.push_back(std::move(control));
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {SearchPlaceNameTemplate()});

const SearchMiddleClass* FindMiddle(int majorCode, int middleCode)
{
    for (const SearchMiddleClass& middle : PlaceNameMiddleClasses(majorCode))
        if (middle.code == middleCode)
            return &middle;
    return nullptr;
}

} // namespace

CDlgSearchPlaceName::CDlgSearchPlaceName() : SearchConditionsPage(IDD, kAreaIds)
{
    OnControl(vd::CBN_SELCHANGE, IDC_MAJOR, [this] { OnMajorChosen(); });
    OnControl(vd::CBN_SELCHANGE, IDC_MIDDLE, [this] { OnMiddleChosen(); });
    OnControl(vd::CBN_SELCHANGE, IDC_MINOR, [this] { OnMinorChosen(); });
    OnClicked(IDC_CLEAR, [this] { OnClear(); });
}

bool CDlgSearchPlaceName::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    ShowArea();
    // The stored classes are shown with their lists, so that a lower class can be changed alone.
    if (m_nMajorCode != -1) {
        SelectName(*item<vd::ComboBox>(IDC_MAJOR), m_strMajorName);
        FillMiddleClasses();
        if (m_nMiddleCode != -1) {
            SelectName(*item<vd::ComboBox>(IDC_MIDDLE), m_strMiddleName);
            FillMinorClasses();
            if (m_nMinorCode != -1)
                SelectName(*item<vd::ComboBox>(IDC_MINOR), m_strMinorName);
        }
    }
    return true;
}

void CDlgSearchPlaceName::FillMiddleClasses()
{
    auto* middles = item<vd::ComboBox>(IDC_MIDDLE);
    middles->ResetContent();
    for (const SearchMiddleClass& middle : PlaceNameMiddleClasses(m_nMajorCode))
        middles->AddString(middle.name);
}

void CDlgSearchPlaceName::FillMinorClasses()
{
    auto* minors = item<vd::ComboBox>(IDC_MINOR);
    minors->ResetContent();
    if (const SearchMiddleClass* middle = FindMiddle(m_nMajorCode, m_nMiddleCode))
        for (const SearchClass& minor : middle->minors)
            minors->AddString(minor.name);
}

void CDlgSearchPlaceName::OnMajorChosen()
{
    const int chosen = item<vd::ComboBox>(IDC_MAJOR)->GetCurSel();
    if (chosen < 0 || chosen >= static_cast<int>(kPlaceNameMajorClasses.size()))
        return;
    m_nMiddleCode = m_nMinorCode = -1;
    m_strMiddleName.clear();
    m_strMinorName.clear();
    m_nMajorCode = kPlaceNameMajorClasses[static_cast<std::size_t>(chosen)].code;
    m_strMajorName = kPlaceNameMajorClasses[static_cast<std::size_t>(chosen)].name;
    SetDlgItemText(IDC_MAJOR_CODE, vd::format("%2d", m_nMajorCode));
    SetDlgItemText(IDC_MIDDLE_CODE, "");
    SetDlgItemText(IDC_MINOR_CODE, "");
    FillMiddleClasses();
    item<vd::ComboBox>(IDC_MINOR)->ResetContent();
}

void CDlgSearchPlaceName::OnMiddleChosen()
{
    const int chosen = item<vd::ComboBox>(IDC_MIDDLE)->GetCurSel();
    const auto& middles = PlaceNameMiddleClasses(m_nMajorCode);
    if (chosen < 0 || chosen >= static_cast<int>(middles.size()))
        return;
    m_nMinorCode = -1;
    m_strMinorName.clear();
    m_nMiddleCode = middles[static_cast<std::size_t>(chosen)].code;
    m_strMiddleName = middles[static_cast<std::size_t>(chosen)].name;
    SetDlgItemText(IDC_MIDDLE_CODE, vd::format("%2d", m_nMiddleCode));
    SetDlgItemText(IDC_MINOR_CODE, "");
    FillMinorClasses();
}

void CDlgSearchPlaceName::OnMinorChosen()
{
    if (const SearchMiddleClass* middle = FindMiddle(m_nMajorCode, m_nMiddleCode))
        TakeMinorChoice(IDC_MINOR, IDC_MINOR_CODE, middle->minors, m_nMinorCode, m_strMinorName);
}

void CDlgSearchPlaceName::OnClear()
{
    m_nMajorCode = m_nMiddleCode = m_nMinorCode = -1;
    m_strMajorName.clear();
    m_strMiddleName.clear();
    m_strMinorName.clear();
    for (int combo : {IDC_MAJOR, IDC_MIDDLE, IDC_MINOR})
        item<vd::ComboBox>(combo)->SetCurSel(-1);
    item<vd::ComboBox>(IDC_MIDDLE)->ResetContent();
    item<vd::ComboBox>(IDC_MINOR)->ResetContent();
    for (int text : {IDC_MAJOR_CODE, IDC_MIDDLE_CODE, IDC_MINOR_CODE})
        SetDlgItemText(text, "");
    ClearArea();
}
