#pragma once
// CDlgDmeshSet (template 235): the natural-environment mesh themes on five tabs, one theme drawn
// at a time (the current tab's), and below the tabs the display method: mesh map or attribute
// values. In mesh-map-only mode the dialog opens on the mesh map and refuses attribute values.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/naturemesh/MeshThemePage.h"
#include "layers/settings/naturemesh/NatureMeshSlots.h"

#include <array>

class CDlgDmeshSet : public TabbedSettingsDialog {
public:
    CDlgDmeshSet();

    NatureMeshSlots m_slots;
    int m_nDisplayMethod = 1;
    int m_bMeshMapOnly = 0;

    bool OnInitDialog() override;

protected:
    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void SwitchThemeOff(int tab) override;

private:
    void OnMeshMap();
    void OnAttributeValue();
    void ShowDisplayMethod();

    CDlgDmClimate m_climate;
    CDlgDmRiver m_river;
    CDlgDmCoast m_coast;
    CDlgDmArea m_area;
    CDlgDmForest m_forest;
    std::array<MeshThemePage*, 5> pages_{};
};
