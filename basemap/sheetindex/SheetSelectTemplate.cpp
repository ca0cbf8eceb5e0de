#include "basemap/sheetindex/SheetSelectTemplate.h"

#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Controls.h"

using namespace sheetselect;
using namespace vd::ui;

DialogTemplate SheetSelectTemplate()
{
    DialogTemplate t;
    t.id = IDD_SHEET_SELECT;
    t.caption = "1/20万地勢図を指定する";
    t.controls = {
        ltext(vd::IDC_STATIC, "地域"),
        edit(IDC_REGION_NAME),
        pushButton(106, "北海道"),
        pushButton(107, "東北"),
        pushButton(108, "関東信越"),
        pushButton(109, "近畿中部"),
        pushButton(110, "中国四国"),
        pushButton(111, "九州沖縄"),
        pushButton(112, "全国"),
        // A simple combo: its list is always shown, so a double click on a sheet accepts it.
        comboBox(IDC_SHEET_COMBO, {}, vd::CBS_SIMPLE | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_SHEET_COUNT, ""),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

int FindSheetSelectLine(const std::vector<SheetIndexLine>& lines, std::string_view entryText)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const SheetIndexLine& line = lines[i];
        if (!line.IsEmpty() && vd::cp932ToUtf8(line.Raw()).find(entryText) != std::string::npos)
            return int(i);
    }
    return -1;
}

void FillSheetSelectList(vd::Dialog& dialog, const std::vector<SheetIndexLine>& lines, const RegionBounds& bounds,
                         const std::string& chosenName)
{
    auto* combo = dialog.item<vd::ComboBox>(IDC_SHEET_COMBO);
    if (!combo)
        return;
    combo->ResetContent();
    for (const SheetIndexLine& line : lines)
        if (!line.IsEmpty() && WithinRegionBounds(bounds, line.LatitudeText(), line.LongitudeText()))
            combo->AddString(line.NameColumns());
    dialog.SetDlgItemText(IDC_SHEET_COUNT, vd::format("図幅数=%d", combo->GetCount()));
    if (!chosenName.empty()) {
        combo->SetWindowText(chosenName);
        const int index = combo->FindString(-1, chosenName);
        if (index >= 0)
            combo->SetCurSel(index);
    }
}
