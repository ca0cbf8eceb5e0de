#pragma once
// The census table viewer (template 231): a comma-separated census table in a report list,
// with readable column names, reformatted numbers and a tint by table group for the tables it
// knows; a click on a column or a cell shows its position and its name or text below the list.
#include "platform/ui/Dialog.h"

#include <cstdint>
#include <string>
#include <vector>

// The dialog's control ids (template 231).
namespace censustableids {
inline constexpr int IDC_TABLE = 1000;
inline constexpr int IDC_POSITION = 1001;
inline constexpr int IDC_NAME = 1002;
} // namespace censustableids

class CDlgTableData : public vd::Dialog {
public:
    enum { IDD = 231 };
    CDlgTableData();

    std::string m_strFile;
    std::string m_strTitle1;
    std::string m_strTitle2;
    int m_nRowNumbers = 1;  // 1: a leading row-number column
    int m_nPresetGroup = 0; // the table group when below 4
    int m_nTranslate = 1;   // 0: column codes shown as they stand
    int m_nTableGroup = 0;
    std::vector<std::string> m_astrColumnName;

    bool OnInitDialog() override;

private:
    void FillList();
    void OnColumnClick(int column);
    void OnItemClick(int item, int subItem);
};

// The list's text background of a table group (1 to 3); none for the others.
bool CensusGroupTint(int group, std::uint32_t& colour);

// A record's field as the list shows it: from the first reformatted field on, a whole number
// "%7d" and a number with a point "%7.2f", unless it reads as 0.
std::string CensusCellText(const std::string& field, bool reformat);
