#include "layers/settings/TabbedSettingsDialog.h"

#include "platform/ui/DataExchange.h"

TabbedSettingsDialog::TabbedSettingsDialog(int templateId, int tabControlId)
    : vd::Dialog(templateId), tabControlId_(tabControlId)
{
    OnNotify(vd::TCN_SELCHANGING, tabControlId, [this](vd::Notify& n) { OnTabChanging(n); });
    OnNotify(vd::TCN_SELCHANGE, tabControlId, [this](vd::Notify& n) { OnTabChanged(n); });
}

void TabbedSettingsDialog::AddPage(SettingsPage& page, std::string tabText)
{
    pages_.push_back({&page, std::move(tabText)});
}

void TabbedSettingsDialog::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Control(dx, tabControlId_, m_tab);
}

bool TabbedSettingsDialog::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (!IsTab(m_nCurrentTab))
        m_nCurrentTab = 0; // a remembered tab this container does not have opens the first
    for (int tab = 0; tab < pageCount(); ++tab)
        m_tab.InsertItem(tab, pages_[tab].tabText);
    UpdateStatusLine();
    return true;
}

void TabbedSettingsDialog::OnShowWindow(bool show)
{
    if (show && !pagesCreated_) {
        pagesCreated_ = true;
        std::vector<int> order = creationOrder_;
        if (order.empty())
            for (int tab = 0; tab < pageCount(); ++tab)
                order.push_back(tab);
        for (int tab : order) {
            if (!IsTab(tab))
                continue;
            LoadPage(tab);
            SettingsPage& p = page(tab);
            p.Create(this); // a child of the container, from the page's own template
            p.ShowWindow(tab == m_nCurrentTab ? vd::SW_SHOW : vd::SW_HIDE);
        }
    }
    m_tab.SetCurSel(m_nCurrentTab);
}

void TabbedSettingsDialog::OnTabChanging(vd::Notify& notify)
{
    const int leaving = m_tab.GetCurSel();
    if (IsTab(leaving))
        page(leaving).ShowWindow(vd::SW_HIDE);
    notify.result = 0;
}

void TabbedSettingsDialog::OnTabChanged(vd::Notify& notify)
{
    const int chosen = m_tab.GetCurSel();
    if (IsTab(chosen)) {
        m_nCurrentTab = chosen;
        page(chosen).ShowWindow(vd::SW_SHOW);
    }
    UpdateStatusLine();
    notify.result = 0;
}

void TabbedSettingsDialog::OnOK()
{
    if (pagesCreated_) {
        for (int tab = 0; tab < pageCount(); ++tab)
            CollectPage(tab);
        if (singleTheme_)
            for (int tab = 0; tab < pageCount(); ++tab)
                if (tab != m_nCurrentTab)
                    SwitchThemeOff(tab);
    }
    vd::Dialog::OnOK();
}

void TabbedSettingsDialog::OnCancel()
{
    if (m_strSelectMarker == "-1") {
        OnOK(); // settings loaded from the file reach the caller the first time
        return;
    }
    vd::Dialog::OnCancel();
}

vd::ui::DialogTemplate SettingsContainerTemplate(int id, std::string caption, int tabControlId,
                                                 std::vector<vd::ui::ControlTemplate> below, int height, int width)
{
    using vd::ui::DialogUnits;
    vd::ui::DialogTemplate t;
    t.id = id;
    t.caption = std::move(caption);
    t.place = DialogUnits{0, 0, width, height};
    t.controls = {
        vd::ui::tabControl(tabControlId, DialogUnits{2, 4, width - 4, 113}),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{width - 44, height - 17, 40, 14}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{width - 88, height - 17, 40, 14}),
    };
    for (auto& control : below)
        t.controls.push_back(std::move(control));
    return t;
}
