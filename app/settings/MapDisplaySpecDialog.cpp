#include "app/settings/MapDisplaySpecDialog.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace mapspecids;
constexpr int kPageCount = 4;

DialogTemplate MapDisplaySpecTemplate()
{
    DialogTemplate t;
    t.id = CDlgMapDisplaySpec::IDD;
    t.caption = "地図の表示仕様";
    t.controls = {
        // Sized for the largest page, which fills the tab's display area.
        tabControl(IDC_TAB, DialogUnits{0, 0, 230, 150}),
        checkBox(IDC_POINTER_COORDS, "ポインタ座標", {}, vd::BS_CHECKBOX),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {MapDisplaySpecTemplate()});

constexpr const char* kTabNames[kPageCount] = {"地名", "登録地点", "地図", "距離"};

} // namespace

CDlgMapDisplaySpec::CDlgMapDisplaySpec(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnClicked(IDC_POINTER_COORDS, [this] {
        m_spec.m_nPointerCoords = ToggledFlag(m_spec.m_nPointerCoords);
        CheckDlgButton(IDC_POINTER_COORDS, m_spec.m_nPointerCoords == 1 ? 1 : 0);
    });
    OnNotify(vd::TCN_SELCHANGING, IDC_TAB, [this](vd::Notify&) { OnTabChanging(); });
    OnNotify(vd::TCN_SELCHANGE, IDC_TAB, [this](vd::Notify&) { OnTabChanged(); });
}

void CDlgMapDisplaySpec::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Control(dx, IDC_TAB, m_tab);
}

vd::Dialog& CDlgMapDisplaySpec::Page(int index)
{
    switch (index) {
    case 0: return m_pagePlaceName;
    case 1: return m_pagePoint;
    case 2: return m_pageWhiteMap;
    default: return m_pageDistance;
    }
}

bool CDlgMapDisplaySpec::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (int i = 0; i < kPageCount; ++i)
        m_tab.InsertItem(i, kTabNames[i]);
    // Only this dialog sets the tab; anything else opens on the first.
    if (m_spec.m_nSpecDialogTab < 0 || m_spec.m_nSpecDialogTab >= kPageCount)
        m_spec.m_nSpecDialogTab = 0;
    m_tab.SetCurSel(m_spec.m_nSpecDialogTab);
    CheckDlgButton(IDC_POINTER_COORDS, m_spec.m_nPointerCoords == 1 ? 1 : 0);
    return true;
}

void CDlgMapDisplaySpec::OnShowWindow(bool show)
{
    vd::Dialog::OnShowWindow(show);
    if (!show || m_bPagesCreated)
        return;
    m_bPagesCreated = true;
    m_pagePlaceName.m_values = m_spec.placeName;
    m_pagePoint.m_values = m_spec.point;
    m_pageWhiteMap.m_values = m_spec.whiteMap;
    m_pageDistance.m_values = m_spec.distance;
    for (int i = 0; i < kPageCount; ++i) {
        vd::Dialog& page = Page(i);
        page.Create(page.templateId(), this);
        page.ShowWindow(i == m_spec.m_nSpecDialogTab ? vd::SW_SHOW : vd::SW_HIDE);
    }
}

void CDlgMapDisplaySpec::OnTabChanging()
{
    Page(m_tab.GetCurSel()).ShowWindow(vd::SW_HIDE);
}

void CDlgMapDisplaySpec::OnTabChanged()
{
    m_spec.m_nSpecDialogTab = m_tab.GetCurSel();
    Page(m_spec.m_nSpecDialogTab).ShowWindow(vd::SW_SHOW);
}

void CDlgMapDisplaySpec::OnOK()
{
    if (m_bPagesCreated) {
        m_pagePoint.ReadKeyword();
        m_spec.placeName = m_pagePlaceName.m_values;
        m_spec.point = m_pagePoint.m_values;
        m_spec.whiteMap = m_pageWhiteMap.m_values;
        m_spec.distance = m_pageDistance.m_values;
    }
    vd::Dialog::OnOK();
}
