#include "layers/settings/surface/SurfacePage.h"

#include "layers/settings/BarDelimitedSettings.h"

SurfacePage::SurfacePage(const SurfacePageSpec& spec)
    : SettingsPage(spec.templateId), spec_(spec), values_(spec.rows.size())
{
    for (size_t i = 0; i < spec_.rows.size(); ++i) {
        const SurfaceRowSpec& s = spec_.rows[i];
        SurfaceRow& v = values_[i];
        const int pageRow = AddRow(s.onBox, v.on, s.textEdit, v.text);
        BindColourList(s.colourList, v.colour);
        AddRowBox(pageRow, s.fillBox, v.fill, s.fillSwitchesOn);
        AddRowBox(pageRow, s.nameBox, v.name, s.nameSwitchesOn);
        AddFileButton(pageRow, s.fileButton, s.form);
        if (!s.label)
            BindText(s.nameEdit, v.dataName);
    }
}

void SurfacePage::LoadRows(const SurfaceRows& rows)
{
    for (size_t i = 0; i < spec_.rows.size(); ++i)
        values_[i] = rows[spec_.rows[i].row];
}

void SurfacePage::CollectRows(SurfaceRows& rows) const
{
    for (size_t i = 0; i < spec_.rows.size(); ++i) {
        const SurfaceRowSpec& s = spec_.rows[i];
        const SurfaceRow& v = values_[i];
        SurfaceRow& row = rows[s.row];
        row.on = v.on;
        row.colour = v.colour;
        row.fill = v.fill;
        row.name = v.name;
        // Typed texts: a Linux path in the program's form, no "|" to shift the answer.
        row.text = BarSafeText(TypedPath(s.textEdit));
        row.dataName = s.label ? FixedSurfaceDataName(s.row) : BarSafeText(GetDlgItemText(s.nameEdit));
    }
}
