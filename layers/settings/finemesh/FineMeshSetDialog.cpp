#include "layers/settings/finemesh/FineMeshSetDialog.h"

#include "layers/settings/BarDelimitedSettings.h"

CDlgFmeshSet::CDlgFmeshSet() : TabbedSettingsDialog(IDD, kTabControl)
{
    AddPage(m_pageLandUse, "土地利用");
    AddPage(m_pageArea, "指定地域");
    AddPage(m_pageBasin, "流域・非集水域");
    AddPage(m_pageLake, " 湖沼");
    SetSingleTheme(true);
}

FineMeshPage& CDlgFmeshSet::themePage(int tab) { return static_cast<FineMeshPage&>(page(tab)); }

void CDlgFmeshSet::LoadPage(int tab)
{
    FineMeshPage& p = themePage(tab);
    p.m_nOn = m_settings.on[tab];
    p.m_nItem = m_settings.item[tab];
    p.m_strText = m_settings.text[tab];
    if (tab == 0)
        m_pageLandUse.m_strFlags = m_settings.flags;
}

void CDlgFmeshSet::CollectPage(int tab)
{
    FineMeshPage& p = themePage(tab);
    m_settings.on[tab] = p.m_nOn;
    m_settings.item[tab] = p.m_nItem;
    m_settings.text[tab] = BarSafeText(p.TypedPath(p.textEditId()));
    if (tab == 0)
        m_settings.flags = m_pageLandUse.m_strFlags;
}

void CDlgFmeshSet::OnOK()
{
    TabbedSettingsDialog::OnOK();
    SettleLandUseFlags(m_settings);
}

void CDlgFmeshSet::UpdateStatusLine()
{
    SetDlgItemText(kStatusLine, FineMeshStatusLine(m_nCurrentTab, m_settings.whiteMap));
}
