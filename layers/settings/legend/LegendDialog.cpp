#include "layers/settings/legend/LegendDialog.h"

#include "layers/settings/legend/LegendPainter.h"
#include "platform/ui/Controls.h"

int CDlgDdLegend::OnCreate()
{
    if (vd::Dialog::OnCreate() == -1)
        return -1;
    SetWindowPos(m_nWindowX, m_nWindowY);
    return 0;
}

bool CDlgDdLegend::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (auto* area = item<vd::PaintedControl>(kPaintArea))
        area->SetPainter([this](vd::Dc& dc, const vd::ui::Rect&) { PaintLegendArea(dc, m_flags, m_strFolder); });
    return true;
}

vd::ui::DialogTemplate LegendTemplate()
{
    using vd::ui::DialogUnits;
    vd::ui::DialogTemplate t;
    t.id = CDlgDdLegend::IDD;
    t.caption = "          国土数値情報の凡例";
    t.fontFace = "ＭＳ ゴシック";
    t.fontPoints = 10;
    t.place = DialogUnits{0, 0, 150, 221};
    t.controls = {
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{117, 206, 30, 14}),
        vd::ui::painted(CDlgDdLegend::kPaintArea, DialogUnits{3, 3, 144, 201}, vd::SS_SUNKEN),
    };
    return t;
}
