#include "userdata/SubclassColourDialog.h"

#include "platform/ui/TemplateRegistry.h"

#include <algorithm>

namespace {

using namespace vd::ui;

constexpr int kSlots = 9;
constexpr int kComboIds[kSlots] = {1201, 1202, 1203, 1204, 1205, 1206, 1216, 1217, 1218};
constexpr int kFirstName = 1207;
constexpr int IDC_PREVIOUS = 1219;
constexpr int IDC_NEXT = 1220;
constexpr int IDC_PAGE_NOTE = 1221;
constexpr int kWhite = 9;
constexpr int kLastPage = 5;

DialogTemplate SubclassColourTemplate()
{
    DialogTemplate t;
    t.id = CDlgSubclassColour::IDD;
    t.caption = "小分類の色設定";
    t.place = DialogUnits{0, 0, 250, 190};
    for (int slot = 0; slot < kSlots; ++slot) {
        const int y = 6 + slot * 16;
        t.controls.push_back(ltext(kFirstName + slot, "", DialogUnits{6, y + 2, 160, 10}));
        t.controls.push_back(comboBox(kComboIds[slot], DialogUnits{170, y, 70, 120},
                                      vd::CBS_DROPDOWNLIST | vd::CBS_OWNERDRAWFIXED));
    }
    t.controls.push_back(pushButton(IDC_PREVIOUS, "", DialogUnits{6, 152, 30, 14}));
    t.controls.push_back(pushButton(IDC_NEXT, "", DialogUnits{40, 152, 30, 14}));
    t.controls.push_back(ltext(IDC_PAGE_NOTE, "", DialogUnits{76, 155, 80, 10}));
    t.controls.push_back(defPushButton(vd::IDOK, "OK", DialogUnits{150, 170, 44, 14}));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{198, 170, 44, 14}));
    return t;
}

const TemplateRegistration registration(vd::ui::kProgramModule, {SubclassColourTemplate()});

} // namespace

CDlgSubclassColour::CDlgSubclassColour() : vd::Dialog(IDD)
{
    for (auto& row : m_anColour)
        row.fill(-1);
    for (int slot = 0; slot < kSlots; ++slot)
        OnControl(vd::CBN_SELCHANGE, kComboIds[slot], [this, slot] { OnColourChosen(slot); });
    OnClicked(IDC_NEXT, [this] { OnNextPage(); });
    OnClicked(IDC_PREVIOUS, [this] { OnPreviousPage(); });
}

bool CDlgSubclassColour::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetWindowText("小分類の色設定  (" + m_strTitlePart + ")");
    m_astrSubclass = PlaceNameSubclasses(m_nMajorClass, m_nMiddleClass);
    const bool more = std::any_of(m_astrSubclass.begin() + 10, m_astrSubclass.begin() + 20,
                                  [](const std::string& name) { return !name.empty(); });
    m_bMorePages = more ? 1 : -1;
    SetDlgItemText(IDC_PREVIOUS, more ? "<<" : "");
    SetDlgItemText(IDC_NEXT, more ? ">>" : "");
    SetDlgItemText(IDC_PAGE_NOTE, more ? "項目は次頁に続く" : "");
    for (int slot = 0; slot < kSlots; ++slot) {
        SubclassDlgItem(kComboIds[slot], m_combos[slot]);
        m_combos[slot].AddColours();
    }
    m_nPage = 0;
    ShowPage();
    return true;
}

std::int16_t& CDlgSubclassColour::Stored(int slot)
{
    const int row = std::clamp(PlaceNameColourRow(m_nMajorClass, m_nMiddleClass), 0, kColourRows - 1);
    return m_anColour[row][m_nPage * kSlots + slot + 1];
}

void CDlgSubclassColour::ShowPage()
{
    for (int slot = 0; slot < kSlots; ++slot) {
        SetDlgItemText(kFirstName + slot, m_astrSubclass[m_nPage * kSlots + slot + 1]);
        const int stored = Stored(slot);
        m_combos[slot].SetCurSel(stored >= 0 && stored <= kWhite ? stored : kWhite);
    }
}

void CDlgSubclassColour::OnColourChosen(int slot)
{
    const int chosen = m_combos[slot].GetCurSel();
    if (chosen < 0 || chosen == Stored(slot))
        return;
    Stored(slot) = static_cast<std::int16_t>(chosen);
    m_bChanged = 1;
}

void CDlgSubclassColour::OnNextPage()
{
    if (m_bMorePages != 1)
        return;
    m_nPage = PagesAllTheWay() ? std::min(m_nPage + 1, kLastPage) : 1;
    ShowPage();
}

void CDlgSubclassColour::OnPreviousPage()
{
    if (m_bMorePages != 1)
        return;
    m_nPage = PagesAllTheWay() ? std::max(m_nPage - 1, 0) : 0;
    ShowPage();
}
