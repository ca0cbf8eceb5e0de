#pragma once
// A page of the point dialogs, described by a table of its rows: each row stands for one slot
// with its on box, colour list, file or folder edit with its "ﾌｧｲﾙ" button and, by page, a data
// name, a label-item radio group or a column range. The container hands the slots in before the
// page is created (LoadSlots) and gathers them on OK (CollectSlots); the page keeps its members in
// step with its controls.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/pointdata/PointLayerSlots.h"

#include <vector>

// What a click on a row's on box does.
enum class PointOnBoxRule {
    NeedsTextKeepsFlag, // without a text the box clears itself and the flag stays (施設)
    NeedsText,          // without a text the box and the flag clear (水文, 沿岸域)
    Toggles,            // 1 becomes 0, anything else 1, whatever the text (点Ａ, 点Ｂ, 土地B)
    TogglesFromZero,    // 0 becomes 1, anything else 0, whatever the text (施設 of the white map)
    LandPrice,          // the land-price pages' own rule (their classes)
};

struct PointRowSpec {
    int slot;
    int onBox, colourList, textEdit, fileButton;
    bool folder = false;           // a data folder with its data-set code, else a data file
    int nameEdit = 0;              // 0: the name is not edited on the page
    std::vector<int> items = {};   // label-item radio buttons, value 0 first
    bool itemSwitchesRowOn = true; // choosing an item switches a row with a text on
    bool twoWayItems = false;      // any item but 0 shows the second button (名称/種別)
    int rangeFrom = 0, rangeTo = 0;
};

struct PointPageSpec {
    int templateId;
    PointOnBoxRule onBoxRule;
    std::vector<PointRowSpec> rows;
    std::vector<int> pageItems = {}; // a label-item group for the page: N of the first row's slot
    int classList = 0;               // the 大分類 list: P of the first row's slot
};

class PointPage : public SettingsPage {
public:
    explicit PointPage(PointPageSpec spec);

    virtual void LoadSlots(const PointLayerSlots& slots);
    // Flags, colours and label items from the members; texts and ranges from the edits.
    virtual void CollectSlots(PointLayerSlots& slots) const;

    bool OnInitDialog() override;

protected:
    void OnRowOnBox(int row) override;

    struct RowValues {
        int on = 0;
        int colour = 0;
        int item = 0;
        int from = 0;
        int to = 0;
        std::string text;
        std::string name;
    };
    const PointPageSpec& spec() const { return spec_; }
    RowValues& row(int r) { return values_[r]; }
    const RowValues& row(int r) const { return values_[r]; }
    int rowCount() const { return static_cast<int>(values_.size()); }
    // The row's on box shows its value.
    void ShowRowOn(int r) { CheckDlgButton(spec_.rows[r].onBox, values_[r].on == 1 ? 1 : 0); }

private:
    PointPageSpec spec_;
    std::vector<RowValues> values_; // sized once: the bindings point into it
    int pageItem_ = 0;
    int facilityClass_ = 0;
};
