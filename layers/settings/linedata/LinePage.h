#pragma once
// A page of the line-data settings dialog, made from its rows' descriptions: each row has a show
// box, its name (a fixed label or a name edit), a colour list (or, on the road and railway
// rows, a colour mode), a radio group of attributes, mode or river class, an option box, and its
// data file or folder with a "ﾌｧｲﾙ" button. The same description builds the page's template and
// binds the row's members to its controls by the rules every settings page shares.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/linedata/LineColourCode.h"

#include <string>
#include <vector>

struct LineChoice {
    int id;
    std::string caption; // its value is its place in the group, from 0
};

struct LineRowSpec {
    int fileTab = 0; // where the row is kept (settings file, inputs, answer)
    int row = 0;
    std::string label;      // the fixed name shown; empty for a free row
    std::string storedName; // the name stored on OK; empty: the row keeps its name (free rows: typed)
    int showId = 0;
    int nameEditId = 0;     // free rows
    int colourId = 0;       // 0: the row has a colour mode instead (the choices, in brackets)
    std::string choicesLabel;
    std::vector<LineChoice> choices;
    int optionId = 0;
    std::string optionCaption;
    std::string optionBefore, optionAfter; // labels around the option box
    bool optionPushLike = false;           // "ｺｰﾄﾞ": a button shown pressed while set
    bool optionSwitchesRowOn = true;
    std::string fileLabel;  // a label before the file edit, on its own line
    int fileEditId = 0;
    int buttonId = 0;
    bool folder = false;    // folder form (data-set code of 8 characters) instead of a file
    LineCodeForm form = LineCodeForm::ColourOnly;
};

// The members of a row while the page is open.
struct LineRowState {
    int show = 0;
    int colour = 0;    // colour index
    int attribute = 0; // the radio group's value
    int option = 0;
    std::string name;
    std::string file;
};

class LinePage : public SettingsPage {
public:
    LinePage(int templateId, std::vector<LineRowSpec> specs);

    int rowCount() const { return static_cast<int>(specs_.size()); }
    const LineRowSpec& spec(int row) const { return specs_[row]; }
    LineRowState& state(int row) { return rows_[row]; }

    bool OnInitDialog() override;

private:
    void OnColourChanged(int row);

    std::vector<LineRowSpec> specs_;
    std::vector<LineRowState> rows_; // sized once: the bindings hold its members
};

// The page template: the column labels above the rows (none when fileColumn is empty), each row's controls flowing on as
// many lines as they need, inside a caption-less child of 226 x 180 at (5, 20).
vd::ui::DialogTemplate LinePageTemplate(int id, const std::string& fileColumn, const std::vector<LineRowSpec>& specs);
