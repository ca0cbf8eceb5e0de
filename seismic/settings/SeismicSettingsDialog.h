#pragma once
// The seismic map settings (template 129, "地震動予測地図"): a tab control over the probabilistic
// list page (130), the scenario list page (132) and the display options (136), and the display
// method (mesh map or attribute values). The dialog works on the ten settings the program keeps
// and the program's map mode; the pages are created when the dialog is first shown.
#include "platform/ui/Controls.h"
#include "seismic/settings/SeismicListPage.h"
#include "seismic/settings/SeismicOptionsPage.h"

#include <array>
#include <string>

// The dialog's control ids (template 129).
namespace seismicsettingsids {
inline constexpr int IDC_TAB = 1000;
inline constexpr int IDC_MESH_MAP = 1003;
inline constexpr int IDC_ATTRIBUTE_VALUES = 1004;
} // namespace seismicsettingsids

// The settings block in argument order: the first ten come back, the eleventh is the caller's map
// mode (6: attribute values cannot be shown).
struct SeismicMapSettings {
    int page = 0;           // 0 probabilistic, 1 scenario, 2 display options
    int displayMethod = 0;  // 0 mesh map, 1 attribute values
    int probabilisticOn = 0;
    int probabilisticEntry = -1;
    int scenarioOn = 0;
    int scenarioEntry = -1;
    int quantity = 0;
    int legend = 0;
    int fault = 0;
    int asperity = 0;
    int callerMapMode = 0;
};

// "%d|" for the first nine values and "%d" for the tenth.
std::string FormatSeismicMapSettings(const SeismicMapSettings& settings);

class CDlgSeisFileSet : public vd::Dialog {
public:
    enum { IDD = 129 };
    CDlgSeisFileSet();

    SeismicMapSettings m_settings;
    std::string m_strListFolder;
    std::string m_strEditor;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    vd::Dialog* Page(int tab);
    void OnTabChanging(vd::Notify& notify);
    void OnTabChanged(vd::Notify& notify);
    void OnMeshMap();
    void OnAttributeValues();

    vd::TabCtrl m_tab;
    CSeismicListPage m_probabilistic;
    CSeismicListPage m_scenario;
    CSeismicOptionsPage m_options;
    bool pagesCreated_ = false;
};

vd::ui::DialogTemplate SeismicSettingsTemplate();
