#include "layers/settings/naturemesh/NatureMeshDialog.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"

namespace {

constexpr const char* kTabTexts[5] = {"気候値", "流路延長", "沿岸海域", "指定地域", "森林･国公有地"};
// The slot of each tab's theme.
constexpr int kTabSlots[5] = {0, 2, 6, 1, 5};

} // namespace

CDlgDmeshSet::CDlgDmeshSet() : TabbedSettingsDialog(kMeshContainer, kMeshTabControl)
{
    pages_ = {&m_climate, &m_river, &m_coast, &m_area, &m_forest};
    for (int tab = 0; tab < 5; ++tab)
        AddPage(*pages_[tab], kTabTexts[tab]);
    SetSingleTheme(true);
    OnClicked(kMeshMapButton, [this] { OnMeshMap(); });
    OnClicked(kAttributeValueButton, [this] { OnAttributeValue(); });
}

bool CDlgDmeshSet::OnInitDialog()
{
    TabbedSettingsDialog::OnInitDialog();
    if (m_bMeshMapOnly)
        m_nDisplayMethod = kMeshMapMethod;
    ShowDisplayMethod();
    return true;
}

void CDlgDmeshSet::LoadPage(int tab)
{
    const int slot = kTabSlots[tab];
    MeshThemePage& page = *pages_[tab];
    page.m_nOn = m_slots.on[slot];
    page.m_strText = m_slots.text[slot];
    page.SetItem(m_slots.item[slot]);
}

void CDlgDmeshSet::CollectPage(int tab)
{
    const int slot = kTabSlots[tab];
    const MeshThemePage& page = *pages_[tab];
    m_slots.on[slot] = page.m_nOn;
    m_slots.item[slot] = page.m_nItem;
    // A typed "|" would shift the later fields of the answer.
    m_slots.text[slot] = BarSafeText(page.EditedText());
}

void CDlgDmeshSet::SwitchThemeOff(int tab)
{
    m_slots.on[kTabSlots[tab]] = 0;
}

void CDlgDmeshSet::OnMeshMap()
{
    m_nDisplayMethod = kMeshMapMethod;
}

void CDlgDmeshSet::OnAttributeValue()
{
    m_nDisplayMethod = m_bMeshMapOnly ? kMeshMapMethod : kAttributeValueMethod;
    ShowDisplayMethod();
}

void CDlgDmeshSet::ShowDisplayMethod()
{
    CheckRadioButton(kMeshMapButton, kAttributeValueButton,
                     m_nDisplayMethod == kMeshMapMethod ? kMeshMapButton : kAttributeValueButton);
}
