#pragma once
// The industry-statistics mesh settings: five theme rows (rows 1 to 3 are the tabs 商業統計,
// 工業統計 and 農業ｾﾝｻｽ; rows 4 and 5 have no page and pass through) with an on value, the
// chosen display item, a name and a data folder, and 28 statistics item definitions in three
// columns of 10, 10 and 8 (column k belongs to the page of row k).
#include <array>
#include <string>

inline constexpr int kIndustryRowCount = 5;
inline constexpr int kIndustryColumnCount = 3;
inline constexpr std::array<int, kIndustryColumnCount> kIndustryColumnRows = {10, 10, 8};
inline constexpr int kIndustrySpecCount = 28;
// The integers the program hands back: the tab, on and item of rows 1 to 5, the display method.
inline constexpr int kIndustrySettingsIntegers = 12;

struct IndustryMeshRow {
    int on = 0;   // 1 = drawn; never stored in the file
    int item = 0; // the display item chosen on the row's page
    std::string name;
    std::string folder; // folder + "(" + data-set code + ")"

    bool operator==(const IndustryMeshRow&) const = default;
};

struct IndustryMeshSettings {
    std::array<IndustryMeshRow, kIndustryRowCount> rows;
    std::array<std::string, kIndustrySpecCount> specs; // column 1 rows 1-10, column 2, column 3

    bool operator==(const IndustryMeshSettings&) const = default;
};

// The index in `specs` of row r (from 0) of column c (from 0).
inline constexpr int IndustrySpecIndex(int column, int row)
{
    return column == 0 ? row : column == 1 ? kIndustryColumnRows[0] + row : kIndustryColumnRows[0] + kIndustryColumnRows[1] + row;
}

// Display methods.
inline constexpr int kIndustryMeshMap = 0;       // ﾒｯｼｭﾏｯﾌﾟ
inline constexpr int kIndustryAttributeValue = 1; // 属性値
