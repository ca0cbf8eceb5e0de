#pragma once
// The 1:200,000 sheet selection dialog's template (138) and its selection search, shared by the
// program's sheet dialog and Surrick's sheet chooser: each registers the template in its own
// module and finds the chosen sheet's index line the same way.
#include "basemap/projection/RegionBounds.h"
#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <string_view>
#include <vector>

namespace sheetselect {

inline constexpr int IDD_SHEET_SELECT = 138;
inline constexpr int IDC_SHEET_COMBO = 101;
inline constexpr int IDC_SHEET_COUNT = 102;
inline constexpr int IDC_LONGITUDE = 103;
inline constexpr int IDC_LATITUDE = 105;
inline constexpr int IDC_FIRST_REGION = 106; // 北海道 .. 九州沖縄, then 全国 (112)
inline constexpr int IDC_LAST_REGION = 112;
inline constexpr int IDC_REGION_NAME = 113;

} // namespace sheetselect

namespace vd {
class Dialog;
}

vd::ui::DialogTemplate SheetSelectTemplate();

// Lists the sheets of `lines` that lie within the bounds in the dialog's combo box, shows their
// count ("図幅数=%d") and selects `chosenName` when it is listed (it may be the first entry).
void FillSheetSelectList(vd::Dialog& dialog, const std::vector<SheetIndexLine>& lines, const RegionBounds& bounds,
                         const std::string& chosenName);

// The index of the first non-empty line that holds the combo entry's text (UTF-8), searched from
// the first line on so the index's first sheet can be chosen as well; -1 when none does.
int FindSheetSelectLine(const std::vector<SheetIndexLine>& lines, std::string_view entryText);
