#pragma once
// A page of a tabbed settings dialog: a caption-less child dialog inside the container's tab
// control. A derived page binds its members to its controls in its constructor; the page then
// sets the controls from the members when it is created and keeps the members up to date as the
// user clicks, by the rules all settings pages share:
//   - a row's on box stays clear while the row's folder or file text is empty, else toggles;
//   - a row's fill, name or option box toggles its value and, where the dialog says so, also
//     switches a row that has a text on;
//   - a row's "ﾌｧｲﾙ" button chooses its text in the row's file or folder form.
// The container reads the texts back from the edits on OK (TypedPath, GetDlgItemText).
#include "layers/settings/files/DataFileChoice.h"
#include "platform/ui/Dialog.h"

#include <functional>
#include <string>
#include <vector>

// How a row's "ﾌｧｲﾙ" button writes its choice.
struct DataTextForm {
    bool folder = false;
    int codeLength = 0; // the data-set code's length in a folder form
    static DataTextForm File() { return {false, 0}; }
    static DataTextForm Folder(int codeLength) { return {true, codeLength}; }
};

struct RadioChoice {
    int buttonId;
    int value;
};

class SettingsPage : public vd::Dialog {
public:
    explicit SettingsPage(int templateId);

    // A row: its on box and its folder or file edit. Returns the row's number on the page.
    int AddRow(int onBoxId, int& on, int textEditId, std::string& text);
    // A fill, name or option box of a row.
    void AddRowBox(int row, int boxId, int& value, bool switchesRowOn);
    // The "ﾌｧｲﾙ" button of a row.
    void AddFileButton(int row, int buttonId, DataTextForm form);
    // Switches a row on (value 1, on box checked) when its text is set and it is off.
    void SwitchRowOn(int row);

    // Members bound to controls outside rows: an edit's text, a box that only toggles, a colour
    // list's index, a radio group's value (afterClick runs after a click stored it).
    void BindText(int editId, std::string& text);
    void BindCheck(int boxId, int& value);
    void BindColourList(int comboId, int& index);
    void BindRadioGroup(std::vector<RadioChoice> choices, int& value, std::function<void()> afterClick = {});

    // The text of an edit as a stored path: a Linux path typed by the user in Windows form.
    std::string TypedPath(int editId) const;
    // The file name part of the last file chosen for a folder row.
    const std::string& chosenFileName() const { return m_strChosenFileName; }

    bool OnInitDialog() override;
    void DoDataExchange(vd::DataExchange& dx) override;

protected:
    // A click on a row's on box; pages whose boxes follow other rules override it.
    virtual void OnRowOnBox(int row);
    // A row's on value and its text as the page holds it (opened with, or chosen).
    int& RowOn(int row) { return *rows_[row].on; }
    const std::string& RowText(int row) const { return *rows_[row].text; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row's on box shown checked when its value is 1.
    void ShowRowOn(int row) { SetCheck(rows_[row].onBoxId, *rows_[row].on == 1); }

private:
    struct Row {
        int onBoxId;
        int* on;
        int textEditId;
        std::string* text;
    };
    struct Binding {
        int id;
        int* value;
    };
    struct RadioGroup {
        std::vector<RadioChoice> choices;
        int* value;
    };
    void OnRowBox(int row, int boxId, int& value, bool switchesRowOn);
    void OnFileButton(int row, DataTextForm form);
    void SetCheck(int boxId, bool checked);

    std::vector<Row> rows_;
    std::vector<Binding> checks_;
    std::vector<Binding> colourLists_;
    std::vector<RadioGroup> radioGroups_;
    std::vector<std::pair<int, std::string*>> texts_;
    std::string m_strChosenFileName;
};

// A page template: a caption-less child at (5, 20) filling the tab control's display area.
vd::ui::DialogTemplate SettingsPageTemplate(int id, std::vector<vd::ui::ControlTemplate> controls,
                                            vd::ui::DialogUnits place = {5, 20, 220, 95});
