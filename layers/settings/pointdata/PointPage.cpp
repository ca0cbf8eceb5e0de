#include "layers/settings/pointdata/PointPage.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/pointdata/PointSettingsInput.h"

PointPage::PointPage(PointPageSpec spec)
    : SettingsPage(spec.templateId), spec_(std::move(spec)), values_(spec_.rows.size())
{
    for (int r = 0; r < rowCount(); ++r) {
        const PointRowSpec& s = spec_.rows[r];
        RowValues& v = values_[r];
        const int pageRow = AddRow(s.onBox, v.on, s.textEdit, v.text);
        BindColourList(s.colourList, v.colour);
        AddFileButton(pageRow, s.fileButton, s.folder ? DataTextForm::Folder(8) : DataTextForm::File());
        if (s.nameEdit)
            BindText(s.nameEdit, v.name);
        if (!s.items.empty()) {
            std::vector<RadioChoice> choices;
            for (int i = 0; i < static_cast<int>(s.items.size()); ++i)
                choices.push_back({s.items[i], i});
            std::function<void()> after;
            if (s.itemSwitchesRowOn)
                after = [this, pageRow] { SwitchRowOn(pageRow); };
            BindRadioGroup(std::move(choices), v.item, std::move(after));
        }
    }
    if (!spec_.pageItems.empty()) {
        std::vector<RadioChoice> choices;
        for (int i = 0; i < static_cast<int>(spec_.pageItems.size()); ++i)
            choices.push_back({spec_.pageItems[i], i});
        BindRadioGroup(std::move(choices), pageItem_);
    }
    if (spec_.classList)
        BindColourList(spec_.classList, facilityClass_); // a list's index like a colour's
}

void PointPage::LoadSlots(const PointLayerSlots& slots)
{
    for (int r = 0; r < rowCount(); ++r) {
        const int slot = spec_.rows[r].slot;
        RowValues& v = values_[r];
        v.on = slots.flag[slot];
        v.colour = slots.colour[slot];
        v.item = slots.n[slot];
        v.text = slots.file[slot];
        v.name = slots.name[slot];
        // A column range is written back to N and P; the file keeps it in N ("N3_1=310060",
        // P3_1=0), a caller may pass it in P alone: the one that holds it is shown.
        const int range = slots.n[slot] != 0 ? slots.n[slot] : slots.p[slot];
        v.from = range / 10000;
        v.to = range % 10000;
    }
    if (!spec_.rows.empty()) {
        pageItem_ = slots.n[spec_.rows[0].slot];
        facilityClass_ = slots.p[spec_.rows[0].slot];
    }
}

void PointPage::CollectSlots(PointLayerSlots& slots) const
{
    for (int r = 0; r < rowCount(); ++r) {
        const PointRowSpec& s = spec_.rows[r];
        const RowValues& v = values_[r];
        slots.flag[s.slot] = v.on;
        slots.colour[s.slot] = v.colour;
        if (!s.items.empty())
            slots.n[s.slot] = v.item;
        // Typed texts: a Linux path in the program's form, no "|" or "/" to shift the answer.
        slots.file[s.slot] = FieldSafeText(TypedPath(s.textEdit));
        if (s.nameEdit)
            slots.name[s.slot] = FieldSafeText(GetDlgItemText(s.nameEdit));
        if (s.rangeFrom) {
            const int range = PackColumnRange(GetDlgItemInt(s.rangeFrom, nullptr, true),
                                              GetDlgItemInt(s.rangeTo, nullptr, true));
            slots.n[s.slot] = range;
            slots.p[s.slot] = range;
        }
    }
    if (!spec_.rows.empty()) {
        if (!spec_.pageItems.empty())
            slots.n[spec_.rows[0].slot] = pageItem_;
        if (spec_.classList)
            slots.p[spec_.rows[0].slot] = facilityClass_;
    }
}

bool PointPage::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    for (int r = 0; r < rowCount(); ++r) {
        const PointRowSpec& s = spec_.rows[r];
        const RowValues& v = values_[r];
        if (s.twoWayItems && v.item != 0 && s.items.size() == 2)
            CheckRadioButton(s.items[0], s.items[1], s.items[1]);
        if (s.rangeFrom) {
            SetDlgItemInt(s.rangeFrom, v.from, true);
            SetDlgItemInt(s.rangeTo, v.to, true);
        }
    }
    return true;
}

void PointPage::OnRowOnBox(int r)
{
    RowValues& v = values_[r];
    const bool noText = v.text.empty(); // as the page holds it: opened with, or chosen
    switch (spec_.onBoxRule) {
    case PointOnBoxRule::NeedsTextKeepsFlag:
        if (noText) {
            CheckDlgButton(spec_.rows[r].onBox, 0);
            return;
        }
        v.on = v.on == 1 ? 0 : 1;
        break;
    case PointOnBoxRule::NeedsText:
        v.on = noText ? 0 : (v.on == 1 ? 0 : 1);
        break;
    case PointOnBoxRule::Toggles:
    case PointOnBoxRule::LandPrice:
        v.on = v.on == 1 ? 0 : 1;
        break;
    case PointOnBoxRule::TogglesFromZero:
        v.on = v.on == 0 ? 1 : 0;
        break;
    }
    ShowRowOn(r);
}
