#include "layers/settings/linedata/LinePage.h"

#include "layers/settings/ColourLists.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"

LinePage::LinePage(int templateId, std::vector<LineRowSpec> specs)
    : SettingsPage(templateId), specs_(std::move(specs)), rows_(specs_.size())
{
    for (int r = 0; r < rowCount(); ++r) {
        const LineRowSpec& s = specs_[r];
        LineRowState& state = rows_[r];
        const int row = AddRow(s.showId, state.show, s.fileEditId, state.file);
        AddFileButton(row, s.buttonId, s.folder ? DataTextForm::Folder(8) : DataTextForm::File());
        if (s.nameEditId != 0)
            BindText(s.nameEditId, state.name);
        if (s.colourId != 0)
            OnControl(vd::CBN_SELCHANGE, s.colourId, [this, r] { OnColourChanged(r); });
        if (!s.choices.empty()) {
            std::vector<RadioChoice> choices;
            for (std::size_t n = 0; n < s.choices.size(); ++n)
                choices.push_back({s.choices[n].id, static_cast<int>(n)});
            BindRadioGroup(std::move(choices), state.attribute, [this, row] { SwitchRowOn(row); });
        }
        if (s.optionId != 0)
            AddRowBox(row, s.optionId, state.option, s.optionSwitchesRowOn);
    }
}

bool LinePage::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    for (int r = 0; r < rowCount(); ++r)
        if (specs_[r].colourId != 0)
            if (auto* combo = item<vd::ComboBox>(specs_[r].colourId))
                combo->SetCurSel(rows_[r].colour); // an index outside the list selects nothing
    return true;
}

void LinePage::OnColourChanged(int row)
{
    auto* combo = item<vd::ComboBox>(specs_[row].colourId);
    if (!combo)
        return;
    const int chosen = combo->GetCurSel();
    if (chosen >= 0 && chosen < ColourIndexLimit(specs_[row].form))
        rows_[row].colour = chosen;
    else
        combo->SetCurSel(rows_[row].colour); // the row's code cannot hold it: keep the colour
}

namespace {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

constexpr int kRight = 223;   // the last column controls may use
constexpr int kPitch = 12;    // one line
constexpr int kNameX = 13, kNameWidth = 64;
constexpr int kColourX = 78, kColourWidth = 40;
constexpr int kFileX = 120, kFileWidth = 76;
constexpr int kButtonX = 198, kButtonWidth = 24;
constexpr int kChoiceX = 18;  // radios of a row's second line, after its "属性" label

// Places controls line by line: a control that does not fit on the line starts the next one.
class Flow {
public:
    explicit Flow(std::vector<ControlTemplate>& out) : out_(out) {}

    void StartRow(int y)
    {
        y_ = y;
        x_ = 0;
    }
    void NewLine(int indent)
    {
        y_ += kPitch;
        x_ = indent;
    }
    void Put(ControlTemplate c, int x, int width, int height)
    {
        c.place = DialogUnits{x, y_ + (kPitch - 1 - std::min(height, kPitch - 1)) / 2, width, height};
        out_.push_back(std::move(c));
        x_ = x + width + 1;
    }
    // At the current place, wrapping to `indent` on the next line when it does not fit.
    void Next(ControlTemplate c, int width, int height, int indent)
    {
        if (x_ + width > kRight && x_ > indent)
            NewLine(indent);
        Put(std::move(c), x_, width, height);
    }
    int y() const { return y_; }

private:
    std::vector<ControlTemplate>& out_;
    int y_ = 0;
    int x_ = 0;
};

// Widths from the text's CP932 bytes: a full-width character of the dialog font is about 8 2/3
// dialog units wide, a half-width one half that.
int TextWidth(const std::string& text)
{
    return (13 * vd::cp932Width(text) + 2) / 3 + 2;
}

// A check or radio box with its caption.
int BoxWidth(const std::string& caption)
{
    return 12 + TextWidth(caption);
}

int OptionWidth(const LineRowSpec& s)
{
    return s.optionPushLike ? TextWidth(s.optionCaption) + 4 : BoxWidth(s.optionCaption);
}

void PutOption(Flow& flow, const LineRowSpec& s, int indent)
{
    using namespace vd::ui;
    if (!s.optionBefore.empty())
        flow.Next(ltext(vd::IDC_STATIC, s.optionBefore), TextWidth(s.optionBefore), 8, indent);
    const std::uint32_t style = vd::BS_AUTOCHECKBOX | vd::WS_GROUP | (s.optionPushLike ? vd::BS_PUSHLIKE : 0);
    flow.Next(checkBox(s.optionId, s.optionCaption, std::nullopt, style), OptionWidth(s), s.optionPushLike ? 11 : 10,
              indent);
    if (!s.optionAfter.empty())
        flow.Next(ltext(vd::IDC_STATIC, s.optionAfter), TextWidth(s.optionAfter), 8, indent);
}

void PutChoices(Flow& flow, const LineRowSpec& s, int indent)
{
    for (std::size_t n = 0; n < s.choices.size(); ++n) {
        const std::uint32_t style = vd::BS_AUTORADIOBUTTON | (n == 0 ? vd::WS_GROUP : 0);
        flow.Next(vd::ui::radioButton(s.choices[n].id, s.choices[n].caption, std::nullopt, style),
                  BoxWidth(s.choices[n].caption), 10, indent);
    }
}

// A row with a colour list: show box, name, colour, file and button on its first line; its
// attributes and option on the lines below (a short option beside the name).
void PutListRow(Flow& flow, const LineRowSpec& s)
{
    using namespace vd::ui;
    const bool twoLines = s.label.find('\n') != std::string::npos || TextWidth(s.label) > kNameWidth;
    const bool optionBesideName = s.choices.empty() && s.optionId != 0 && s.optionBefore.empty()
        && TextWidth(s.label) + 1 + OptionWidth(s) <= kNameWidth;
    flow.Put(checkBox(s.showId, ""), 2, 10, 10);
    if (s.nameEditId != 0) {
        flow.Put(edit(s.nameEditId), kNameX, kNameWidth, 11);
    } else if (optionBesideName) {
        flow.Put(ltext(vd::IDC_STATIC, s.label), kNameX, TextWidth(s.label), 8);
        PutOption(flow, s, kNameX);
    } else {
        flow.Put(ltext(vd::IDC_STATIC, s.label), kNameX, kNameWidth, twoLines ? 18 : 8);
    }
    flow.Put(comboBox(s.colourId, std::nullopt, vd::CBS_DROPDOWN | vd::WS_VSCROLL, LineColourNames()), kColourX,
             kColourWidth, 120);
    flow.Put(edit(s.fileEditId), kFileX, kFileWidth, 11);
    flow.Put(pushButton(s.buttonId, "ﾌｧｲﾙ"), kButtonX, kButtonWidth, 11);
    if (s.choices.empty() && (s.optionId == 0 || optionBesideName))
        return;
    // Below a two-line name the second line starts under the colour list.
    const int indent = twoLines ? kColourX : kChoiceX;
    // The "属性" label stands under the show box, before the radios.
    flow.NewLine(s.choicesLabel.empty() || twoLines ? indent : 2);
    if (!s.choicesLabel.empty())
        flow.Next(ltext(vd::IDC_STATIC, s.choicesLabel), TextWidth(s.choicesLabel), 8, indent);
    PutChoices(flow, s, indent);
    if (s.optionId != 0)
        PutOption(flow, s, indent);
}

// The road and railway rows: the colour mode in brackets beside the name, the option box after
// it, and the folder or file on a line of its own under its label.
void PutModeRow(Flow& flow, const LineRowSpec& s)
{
    using namespace vd::ui;
    flow.Put(checkBox(s.showId, ""), 2, 10, 10);
    flow.Put(ltext(vd::IDC_STATIC, s.label), kNameX, TextWidth(s.label), 8);
    flow.Next(ltext(vd::IDC_STATIC, "("), TextWidth("("), 8, kNameX);
    PutChoices(flow, s, kNameX);
    flow.Next(ltext(vd::IDC_STATIC, ")"), TextWidth(")"), 8, kNameX);
    if (s.optionId != 0)
        PutOption(flow, s, kNameX);
    flow.NewLine(kNameX);
    flow.Put(ltext(vd::IDC_STATIC, s.fileLabel), kNameX, 40, 8);
    flow.Put(edit(s.fileEditId), kNameX + 42, kButtonX - 1 - (kNameX + 42), 11);
    flow.Put(pushButton(s.buttonId, "ﾌｧｲﾙ"), kButtonX, kButtonWidth, 11);
}

} // namespace

vd::ui::DialogTemplate LinePageTemplate(int id, const std::string& fileColumn, const std::vector<LineRowSpec>& specs)
{
    using namespace vd::ui;
    std::vector<ControlTemplate> controls;
    Flow flow(controls);
    int y = 2;
    if (!fileColumn.empty()) {
        flow.StartRow(y);
        flow.Put(ltext(vd::IDC_STATIC, "データ名称"), kNameX, kNameWidth, 8);
        flow.Put(ltext(vd::IDC_STATIC, "色"), kColourX, kColourWidth, 8);
        flow.Put(ltext(vd::IDC_STATIC, fileColumn), kFileX, kRight - kFileX, 8);
        y += kPitch;
    }
    for (const LineRowSpec& s : specs) {
        flow.StartRow(y);
        if (s.colourId != 0)
            PutListRow(flow, s);
        else
            PutModeRow(flow, s);
        const bool twoLineLabelAlone = s.label.find('\n') != std::string::npos && s.choices.empty();
        y = flow.y() + kPitch + (twoLineLabelAlone ? 8 : 0) + 2;
    }
    return SettingsPageTemplate(id, std::move(controls), DialogUnits{5, 20, 226, 180});
}
