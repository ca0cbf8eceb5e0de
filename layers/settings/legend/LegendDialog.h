#pragma once
// The legend dialog (template 195 "          国土数値情報の凡例"): the painting area 1402 shows the
// legend of the switched-on line, surface and point rows, painted anew whenever it is shown.
#include "layers/settings/legend/LegendFlags.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <string>

class CDlgDdLegend : public vd::Dialog {
public:
    enum { IDD = 195 };
    static constexpr int kPaintArea = 1402;

    CDlgDdLegend() : vd::Dialog(IDD) {}

    int m_nWindowX = 747; // screen position of the dialog
    int m_nWindowY = 320;
    LegendFlags m_flags;
    std::string m_strFolder; // the folder of the three settings files, with its separator

    int OnCreate() override;
    bool OnInitDialog() override;
};

vd::ui::DialogTemplate LegendTemplate();
