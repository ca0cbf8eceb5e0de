#include "layers/settings/industrymesh/IndustryMeshPage.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/industrymesh/ItemNameDialog.h"
#include "platform/text/Numbers.h"
#include "platform/ui/DataExchange.h"

IndustryMeshPage::IndustryMeshPage(const IndustryPageSpec& spec)
    : SettingsPage(spec.templateId), spec_(spec), rows_(spec.rowCount())
{
    const int themeRow = AddRow(spec_.onBox, on_, spec_.folderEdit, folder_);
    AddFileButton(themeRow, spec_.fileButton, DataTextForm::Folder(kIndustryCodeLength));
    std::vector<RadioChoice> choices;
    for (const IndustryItemRadio& radio : spec_.fixed)
        choices.push_back({radio.id, radio.item});
    for (int r = 0; r < spec_.rowCount(); ++r) {
        // A row without an item is checked by its click and stores nothing.
        if (spec_.rowItems[r] != kNoItem)
            choices.push_back({RowRadio(r), spec_.rowItems[r]});
        OnClicked(IndustryRowRegisterButton(r), [this, r] { OnRegister(r); });
    }
    BindRadioGroup(std::move(choices), item_, [this] { SwitchPageOn(); });
}

void IndustryMeshPage::Load(const IndustryMeshRow& row, const std::string* columnSpecs)
{
    on_ = row.on;
    item_ = row.item;
    folder_ = row.folder;
    for (int r = 0; r < spec_.rowCount(); ++r)
        rows_[r] = SplitStatItemSpec(columnSpecs[r]);
}

void IndustryMeshPage::Collect(IndustryMeshRow& row, std::string* columnSpecs) const
{
    row.on = on_;
    row.item = item_;
    // A typed Linux path in the program's form; a "|" would shift every later field of the answer.
    row.folder = BarSafeText(TypedPath(spec_.folderEdit));
    for (int r = 0; r < spec_.rowCount(); ++r)
        columnSpecs[r] = JoinStatItemSpec(ShownRow(r));
}

void IndustryMeshPage::DoDataExchange(vd::DataExchange& dx)
{
    SettingsPage::DoDataExchange(dx);
    for (int r = 0; r < spec_.rowCount(); ++r) {
        vd::DDX_Text(dx, IndustryRowFromEdit(r), rows_[r].from);
        vd::DDX_Text(dx, IndustryRowToEdit(r), rows_[r].to);
        vd::DDX_Text(dx, IndustryRowIntervalEdit(r), rows_[r].interval);
    }
}

bool IndustryMeshPage::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    for (int r = 0; r < spec_.rowCount(); ++r)
        if (!rows_[r].name.empty())
            SetDlgItemText(RowRadio(r), rows_[r].name);
    return true;
}

void IndustryMeshPage::SwitchPageOn()
{
    // Choosing an item means drawing it, whether or not a folder is set yet.
    if (on_ == 0) {
        on_ = 1;
        ShowRowOn(0);
    }
}

StatItemSpec IndustryMeshPage::ShownRow(int r) const
{
    return {GetDlgItemText(RowRadio(r)), vd::parseInt(GetDlgItemText(IndustryRowFromEdit(r))),
            vd::parseInt(GetDlgItemText(IndustryRowToEdit(r))), vd::parseInt(GetDlgItemText(IndustryRowIntervalEdit(r)))};
}

void IndustryMeshPage::OnRegister(int r)
{
    // The item-name dialog starts from what the row shows, so a second 登録 goes on from the first.
    const StatItemSpec shown = ShownRow(r);
    const std::string answer = RegisterItemSpec(shown.name, shown.from, shown.to, shown.interval);
    if (answer.empty())
        return;
    const StatItemSpec registered = SplitStatItemSpec(answer);
    if (registered.name.empty())
        return;
    SetDlgItemText(RowRadio(r), registered.name);
    SetDlgItemInt(IndustryRowFromEdit(r), registered.from);
    SetDlgItemInt(IndustryRowToEdit(r), registered.to);
    SetDlgItemInt(IndustryRowIntervalEdit(r), registered.interval);
}
