#include "layers/settings/surface/SurfaceDataDialog.h"

CDlgDsSet::CDlgDsSet() : TabbedSettingsDialog(IDD, kSurfaceTabControl)
{
    for (int tab = 0; tab < 4; ++tab)
        AddPage(*pages_[tab], SurfacePageSpecs()[tab].tabText);
}

void CDlgDsSet::LoadPage(int tab)
{
    pages_[tab]->LoadRows(m_rows);
}

void CDlgDsSet::CollectPage(int tab)
{
    pages_[tab]->CollectRows(m_rows);
}

void CDlgDsSet::UpdateStatusLine()
{
    // 行政界･海岸線 and 指定地域 １ are data sets per prefecture, the others one for the country.
    SetDlgItemText(kSurfaceStatusLine, m_nCurrentTab <= 1 ? "データの範囲:都道府県別" : "データの範囲:全国");
}
