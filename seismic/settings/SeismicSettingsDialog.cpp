#include "seismic/settings/SeismicSettingsDialog.h"

#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"

namespace {

using namespace vd::ui;

using namespace seismicsettingsids;

// The caller's map mode in which attribute values cannot be shown.
constexpr int kNoAttributeMode = 6;

} // namespace

DialogTemplate SeismicSettingsTemplate()
{
    DialogTemplate t;
    t.id = CDlgSeisFileSet::IDD;
    t.caption = "地震動予測地図";
    t.place = DialogUnits{0, 0, 282, 124};
    t.controls = {
        tabControl(IDC_TAB, DialogUnits{2, 4, 278, 88}),
        radioButton(IDC_MESH_MAP, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{8, 104, 56, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_ATTRIBUTE_VALUES, "属性値", DialogUnits{68, 104, 56, 10}),
        defPushButton(vd::IDOK, "OK", DialogUnits{170, 102, 50, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{226, 102, 50, 14}),
    };
    return t;
}

std::string FormatSeismicMapSettings(const SeismicMapSettings& s)
{
    return vd::format("%d|%d|%d|%d|%d|%d|%d|%d|%d|%d", s.page, s.displayMethod, s.probabilisticOn, s.probabilisticEntry,
                      s.scenarioOn, s.scenarioEntry, s.quantity, s.legend, s.fault, s.asperity);
}

CDlgSeisFileSet::CDlgSeisFileSet()
    : vd::Dialog(IDD), m_probabilistic(kProbabilisticPage), m_scenario(kScenarioPage)
{
    OnNotify(vd::TCN_SELCHANGING, IDC_TAB, [this](vd::Notify& n) { OnTabChanging(n); });
    OnNotify(vd::TCN_SELCHANGE, IDC_TAB, [this](vd::Notify& n) { OnTabChanged(n); });
    OnClicked(IDC_MESH_MAP, [this] { OnMeshMap(); });
    OnClicked(IDC_ATTRIBUTE_VALUES, [this] { OnAttributeValues(); });
}

void CDlgSeisFileSet::DoDataExchange(vd::DataExchange& dx) { vd::DDX_Control(dx, IDC_TAB, m_tab); }

vd::Dialog* CDlgSeisFileSet::Page(int tab)
{
    switch (tab) {
    case 0:
        return &m_probabilistic;
    case 1:
        return &m_scenario;
    case 2:
        return &m_options;
    default:
        return nullptr;
    }
}

bool CDlgSeisFileSet::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    m_tab.InsertItem(0, "確率論的地震動");
    m_tab.InsertItem(1, "震源断層を特定した地震動");
    m_tab.InsertItem(2, "　仕　様　");
    if (m_settings.callerMapMode == kNoAttributeMode) {
        m_settings.displayMethod = 0;
        SetDlgItemText(IDC_ATTRIBUTE_VALUES, "");
    }
    CheckDlgButton(m_settings.displayMethod == 0 ? IDC_MESH_MAP : IDC_ATTRIBUTE_VALUES, 1);
    return true;
}

void CDlgSeisFileSet::OnShowWindow(bool show)
{
    if (show && !pagesCreated_) {
        pagesCreated_ = true;
        const SeismicMapSettings& s = m_settings;
        for (CSeismicListPage* page : {&m_probabilistic, &m_scenario}) {
            page->m_strListFolder = m_strListFolder;
            page->m_strEditor = m_strEditor;
        }
        m_probabilistic.m_nShow = s.probabilisticOn;
        m_probabilistic.m_nSelected = s.probabilisticEntry;
        m_probabilistic.Create(this);
        m_scenario.m_nShow = s.scenarioOn;
        m_scenario.m_nSelected = s.scenarioEntry;
        m_scenario.m_nQuantity = s.quantity;
        m_scenario.Create(this);
        m_options.m_nLegend = s.legend;
        m_options.m_nFault = s.fault;
        m_options.m_nAsperity = s.asperity;
        m_options.Create(this);
        for (int tab = 0; tab < 3; ++tab)
            Page(tab)->ShowWindow(tab == s.page ? vd::SW_SHOW : vd::SW_HIDE);
    }
    m_tab.SetCurSel(m_settings.page);
}

void CDlgSeisFileSet::OnTabChanging(vd::Notify& notify)
{
    if (vd::Dialog* page = Page(m_tab.GetCurSel()); page && pagesCreated_)
        page->ShowWindow(vd::SW_HIDE);
    notify.result = 0;
}

void CDlgSeisFileSet::OnTabChanged(vd::Notify& notify)
{
    m_settings.page = m_tab.GetCurSel();
    if (vd::Dialog* page = Page(m_settings.page); page && pagesCreated_)
        page->ShowWindow(vd::SW_SHOW);
    notify.result = 0;
}

void CDlgSeisFileSet::OnMeshMap() { m_settings.displayMethod = 0; }

void CDlgSeisFileSet::OnAttributeValues()
{
    if (m_settings.callerMapMode == kNoAttributeMode) {
        m_settings.displayMethod = 0;
        CheckRadioButton(IDC_MESH_MAP, IDC_ATTRIBUTE_VALUES, IDC_MESH_MAP);
        return;
    }
    m_settings.displayMethod = 1;
}

void CDlgSeisFileSet::OnOK()
{
    // The pages store every change as it is made; nothing is exchanged with their controls here.
    if (pagesCreated_) {
        SeismicMapSettings& s = m_settings;
        s.probabilisticOn = m_probabilistic.m_nShow;
        s.probabilisticEntry = m_probabilistic.m_nSelected;
        s.scenarioOn = m_scenario.m_nShow;
        s.scenarioEntry = m_scenario.m_nSelected;
        s.quantity = m_scenario.m_nQuantity;
        s.legend = m_options.m_nLegend;
        s.fault = m_options.m_nFault;
        s.asperity = m_options.m_nAsperity;
    }
    vd::Dialog::OnOK();
}
