// The climate page's other climate values: a list entry n is item 100 + n, shown with
// "その他の気候値" checked; the nine fixed items clear the list's shown entry.
#include "layers/settings/naturemesh/MeshThemePage.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"

namespace {

constexpr int kFixedItems = 9;
constexpr int kOtherValueBase = 100;

int OtherValueCount()
{
    return static_cast<int>(OtherClimateValueNames().size());
}

} // namespace

CDlgDmClimate::CDlgDmClimate()
    : MeshThemePage({kClimatePage, kClimateOn, kClimateText, kClimateFile, DataTextForm::Folder(8),
                     kClimateFirstItem, kFixedItems})
{
    OnClicked(kClimateOther, [this] { OnOtherButton(); });
    OnControl(vd::CBN_SELCHANGE, kClimateList, [this] { OnOtherValueChange(); });
}

void CDlgDmClimate::SetItem(int item)
{
    m_nItem = item;
    const int entry = item - kOtherValueBase;
    m_nOtherValue = entry >= 0 && entry < OtherValueCount() ? entry : -1;
}

bool CDlgDmClimate::OnInitDialog()
{
    MeshThemePage::OnInitDialog();
    if (m_nItem < 0 || m_nItem >= kFixedItems) {
        CheckDlgButton(kClimateOther, 1);
        ShowOtherValue();
    }
    return true;
}

void CDlgDmClimate::OnItemButton()
{
    if (auto* list = item<vd::ComboBox>(kClimateList))
        list->SetCurSel(-1);
    SwitchThemeOn();
}

void CDlgDmClimate::OnOtherButton()
{
    if (m_nOtherValue < 0)
        m_nOtherValue = 0;
    m_nItem = kOtherValueBase + m_nOtherValue;
    ShowOtherValue();
    SwitchThemeOn();
}

void CDlgDmClimate::OnOtherValueChange()
{
    auto* list = item<vd::ComboBox>(kClimateList);
    const int entry = list ? list->GetCurSel() : -1;
    if (entry < 0)
        return;
    m_nOtherValue = entry;
    m_nItem = kOtherValueBase + entry;
    CheckRadioButton(kClimateFirstItem, kClimateOther, kClimateOther);
    SwitchThemeOn();
}

void CDlgDmClimate::ShowOtherValue()
{
    if (auto* list = item<vd::ComboBox>(kClimateList))
        list->SetCurSel(m_nOtherValue); // -1 shows none
}
