#pragma once
// Surrick's sheet chooser (template 138 " 1/20万地勢図を指定する", modal, no parent): one
// 1:200,000 sheet picked from the index lines the caller gives, narrowed by a region button.
// It shares the program's sheet dialog's template and selection search.
#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

class CDlgSheetChooser : public vd::Dialog {
public:
    enum { IDD = 138 };
    CDlgSheetChooser();

    // Set before the run; the region buttons change it.
    std::string m_strRegion = "全国";
    // The bounds of the region, D.MMSS texts, empty for none (set on every fill).
    std::string m_strEastBound;
    std::string m_strWestBound;
    std::string m_strNorthBound;
    std::string m_strSouthBound;
    // The index lines offered, filled by the caller.
    std::vector<SheetIndexLine> m_astrSheetLine;
    int m_nSelectedLine = -1;
    // The name columns of the chosen sheet; a name held on entry is preselected.
    std::string m_strChosenName;

    bool OnInitDialog() override;

private:
    void FillSheetList();
    void OnRegionButton(int id);
    bool ChooseSelectedSheet();
    void OnSheetDblClk();
};

// The index lines the chooser offers when a sheet is added to the chosen sheets: every line of
// the index but comments and lines with "Ｂ" after their first character; none when the index
// cannot be read.
std::vector<SheetIndexLine> ReadSheetChooserLines(const std::string& indexPath);
