#include "layers/settings/industrymesh/IndustryMeshDialog.h"

CDlgDmcSet::CDlgDmcSet() : TabbedSettingsDialog(IDD, kIndustryTabControl)
{
    for (int tab = 0; tab < kIndustryColumnCount; ++tab)
        AddPage(*pages_[tab], IndustryPageSpecs()[tab].tabText);
    SetCreationOrder({2, 1, 0});
    SetSingleTheme(true);
    OnClicked(kIndustryMeshMapRadio, [this] { m_nDisplayMethod = kIndustryMeshMap; });
    OnClicked(kIndustryAttributeRadio, [this] { OnAttributeValue(); });
}

bool CDlgDmcSet::OnInitDialog()
{
    TabbedSettingsDialog::OnInitDialog();
    if (m_bMeshMapOnly)
        m_nDisplayMethod = kIndustryMeshMap;
    CheckRadioButton(kIndustryMeshMapRadio, kIndustryAttributeRadio,
                     m_nDisplayMethod == kIndustryMeshMap ? kIndustryMeshMapRadio : kIndustryAttributeRadio);
    return true;
}

void CDlgDmcSet::OnAttributeValue()
{
    if (m_bMeshMapOnly) {
        CheckRadioButton(kIndustryMeshMapRadio, kIndustryAttributeRadio, kIndustryMeshMapRadio);
        m_nDisplayMethod = kIndustryMeshMap;
        return;
    }
    m_nDisplayMethod = kIndustryAttributeValue;
}

void CDlgDmcSet::LoadPage(int tab)
{
    pages_[tab]->Load(m_settings.rows[tab], &m_settings.specs[IndustrySpecIndex(tab, 0)]);
}

void CDlgDmcSet::CollectPage(int tab)
{
    pages_[tab]->Collect(m_settings.rows[tab], &m_settings.specs[IndustrySpecIndex(tab, 0)]);
}

void CDlgDmcSet::SwitchThemeOff(int tab)
{
    m_settings.rows[tab].on = 0;
}
