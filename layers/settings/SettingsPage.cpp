#include "layers/settings/SettingsPage.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

SettingsPage::SettingsPage(int templateId) : vd::Dialog(templateId) {}

int SettingsPage::AddRow(int onBoxId, int& on, int textEditId, std::string& text)
{
    const int row = static_cast<int>(rows_.size());
    rows_.push_back({onBoxId, &on, textEditId, &text});
    checks_.push_back({onBoxId, &on});
    BindText(textEditId, text);
    OnClicked(onBoxId, [this, row] { OnRowOnBox(row); });
    return row;
}

void SettingsPage::AddRowBox(int row, int boxId, int& value, bool switchesRowOn)
{
    checks_.push_back({boxId, &value});
    OnClicked(boxId, [this, row, boxId, &value, switchesRowOn] { OnRowBox(row, boxId, value, switchesRowOn); });
}

void SettingsPage::AddFileButton(int row, int buttonId, DataTextForm form)
{
    OnClicked(buttonId, [this, row, form] { OnFileButton(row, form); });
}

void SettingsPage::BindText(int editId, std::string& text)
{
    texts_.emplace_back(editId, &text);
}

void SettingsPage::BindCheck(int boxId, int& value)
{
    checks_.push_back({boxId, &value});
    OnClicked(boxId, [this, boxId, &value] {
        value = value == 0 ? 1 : 0;
        SetCheck(boxId, value == 1);
    });
}

void SettingsPage::BindColourList(int comboId, int& index)
{
    colourLists_.push_back({comboId, &index});
    OnControl(vd::CBN_SELCHANGE, comboId, [this, comboId, &index] {
        if (auto* combo = item<vd::ComboBox>(comboId))
            index = combo->GetCurSel();
    });
}

void SettingsPage::BindRadioGroup(std::vector<RadioChoice> choices, int& value, std::function<void()> afterClick)
{
    for (const RadioChoice& choice : choices)
        OnClicked(choice.buttonId, [&value, choice, afterClick] {
            value = choice.value;
            if (afterClick)
                afterClick();
        });
    radioGroups_.push_back({std::move(choices), &value});
}

void SettingsPage::DoDataExchange(vd::DataExchange& dx)
{
    for (auto& [id, text] : texts_)
        vd::DDX_Text(dx, id, *text);
}

bool SettingsPage::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (const Binding& box : checks_)
        SetCheck(box.id, *box.value == 1);
    for (const Binding& list : colourLists_)
        if (auto* combo = item<vd::ComboBox>(list.id))
            combo->SetCurSel(*list.value); // an index outside the list selects nothing
    for (const RadioGroup& group : radioGroups_)
        for (const RadioChoice& choice : group.choices)
            SetCheck(choice.buttonId, choice.value == *group.value);
    return true;
}

void SettingsPage::SetCheck(int boxId, bool checked)
{
    if (auto* box = item<vd::Button>(boxId))
        box->SetCheck(checked ? 1 : 0);
}

void SettingsPage::OnRowOnBox(int row)
{
    Row& r = rows_[row];
    // The text as the page holds it (opened with, or chosen), not as it is being typed.
    *r.on = r.text->empty() ? 0 : (*r.on == 0 ? 1 : 0);
    SetCheck(r.onBoxId, *r.on == 1);
}

void SettingsPage::OnRowBox(int row, int boxId, int& value, bool switchesRowOn)
{
    value = value == 0 ? 1 : 0;
    SetCheck(boxId, value == 1);
    if (switchesRowOn)
        SwitchRowOn(row);
}

void SettingsPage::SwitchRowOn(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    Row& r = rows_[row];
    if (!r.text->empty() && *r.on == 0) {
        *r.on = 1;
        SetCheck(r.onBoxId, true);
    }
}

void SettingsPage::OnFileButton(int row, DataTextForm form)
{
    Row& r = rows_[row];
    if (form.folder) {
        const auto choice = ChooseDataFolder();
        if (!choice)
            return;
        m_strChosenFileName = choice->fileName;
        *r.text = DataFolderText(*choice, form.codeLength);
    } else {
        const auto path = ChooseDataFile();
        if (!path)
            return;
        *r.text = *path;
    }
    SetDlgItemText(r.textEditId, *r.text);
}

std::string SettingsPage::TypedPath(int editId) const
{
    return StoredPathForm(GetDlgItemText(editId));
}

vd::ui::DialogTemplate SettingsPageTemplate(int id, std::vector<vd::ui::ControlTemplate> controls,
                                            vd::ui::DialogUnits place)
{
    vd::ui::DialogTemplate t;
    t.id = id;
    t.style = vd::WS_CHILD;
    t.place = place;
    t.controls = std::move(controls);
    return t;
}
