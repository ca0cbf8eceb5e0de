#include "geology/legendlist/GeoLegendDialog.h"

#include "platform/ui/Controls.h"

#include <string>
#include <vector>

CDlgGeoLegend::CDlgGeoLegend() : vd::Dialog(IDD) {}

bool CDlgGeoLegend::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    const std::vector<std::string> lines = GeoLegendLines(m_request);
    if (auto* list = item<vd::ListBox>(kList)) {
        list->ResetContent();
        for (const std::string& line : lines)
            list->AddString(line);
    }
    // The box has no caption of its own; a window manager's title bar would otherwise show the
    // program's name, so it shows the legend's heading.
    std::string heading = lines.empty() ? std::string() : lines.front();
    heading.erase(0, heading.find_first_not_of(' '));
    SetWindowText(heading.empty() ? "凡例" : heading);
    return true;
}

vd::ui::DialogTemplate GeoLegendTemplate()
{
    using vd::ui::DialogUnits;
    vd::ui::DialogTemplate t;
    t.id = CDlgGeoLegend::IDD;
    t.style = vd::WS_POPUP | vd::DS_MODALFRAME;
    t.place = DialogUnits{310, 2, 267, 175};
    t.controls = {
        vd::ui::listBox(CDlgGeoLegend::kList, DialogUnits{4, 4, 259, 148}, vd::LBS_NOTIFY | vd::WS_VSCROLL),
        vd::ui::ltext(CDlgGeoLegend::kNote, "", DialogUnits{4, 158, 200, 10}),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{215, 156, 48, 14}),
    };
    return t;
}
