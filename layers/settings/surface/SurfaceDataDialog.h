#pragma once
// CDlgDsSet (template 135): the surface settings on four tabs. It holds the rows, shows them on
// their pages and gathers them on OK; the status line tells whether the tab's data are per
// prefecture or for the whole country.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/surface/SurfacePage.h"

#include <array>

class CDlgDsSet : public TabbedSettingsDialog {
public:
    enum { IDD = 135 };
    CDlgDsSet();

    SurfaceRows m_rows;

protected:
    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void UpdateStatusLine() override;

private:
    CDlgDsBorder m_border;
    CDlgDsArea1 m_area1;
    CDlgDsArea2 m_area2;
    CDlgDsWater m_water;
    std::array<SurfacePage*, 4> pages_{&m_border, &m_area1, &m_area2, &m_water};
};
