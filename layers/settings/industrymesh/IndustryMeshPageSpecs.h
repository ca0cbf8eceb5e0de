#pragma once
// The three pages of the industry-statistics mesh dialog as tables: the top line (on box, folder
// edit, "ﾌｧｲﾙ"), the fixed item radios with their item indexes and places in the group box, and
// the class-bound rows (their radios, which items they stand for, and their edits and 登録
// buttons). The page classes bind these ids and the templates are laid out from the same tables.
#include <array>
#include <vector>

struct IndustryItemRadio {
    int id;
    const char* caption;
    int item;
    int line; // the line of radios in the group box, from 0
    int x;    // dialog units from the page's left
};

struct IndustryPageSpec {
    int templateId;
    const char* tabText;
    int onBox, folderEdit, fileButton;
    std::vector<const char*> lineLabels; // a label before each line of fixed radios, or none
    std::vector<IndustryItemRadio> fixed;
    int firstRowRadio;          // the class-bound rows' radios follow one another from this id
    std::vector<int> rowItems;  // per class-bound row its item, kNoItem where it has none

    int lineCount() const;
    int rowRadio(int r) const { return firstRowRadio + r; } // class-bound row r (from 0)
    int rowCount() const { return static_cast<int>(rowItems.size()); }
};

inline constexpr int kNoItem = -1;

// Control ids of the container.
inline constexpr int kIndustryTabControl = 1030;
inline constexpr int kIndustryMeshMapRadio = 1736;
inline constexpr int kIndustryAttributeRadio = 1737;

// The edits and button of class-bound row r (from 0) of every page.
inline constexpr int IndustryRowFromEdit(int r) { return 1440 + r; }
inline constexpr int IndustryRowToEdit(int r) { return 1450 + r; }
inline constexpr int IndustryRowIntervalEdit(int r) { return 1460 + r; }
inline constexpr int IndustryRowRegisterButton(int r) { return 1470 + r; }

// The data-set code length of the pages' folder form.
inline constexpr int kIndustryCodeLength = 8;

// The pages in tab order: 商業統計 (248), 工業統計 (249), 農業ｾﾝｻｽ (250).
const std::array<IndustryPageSpec, 3>& IndustryPageSpecs();
