#include "municipal/sheets/SheetChooserDialog.h"

#include "basemap/projection/RegionBounds.h"
#include "basemap/sheetindex/SheetSelectTemplate.h"
#include "municipal/SurrickModule.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace sheetselect;
using namespace vd::ui;

DialogTemplate SheetChooserTemplate()
{
    DialogTemplate t = SheetSelectTemplate();
    t.caption = " 1/20万地勢図を指定する";
    return t;
}

const TemplateRegistration registration(kSurrickModule, {SheetChooserTemplate()});

} // namespace

CDlgSheetChooser::CDlgSheetChooser() : vd::Dialog(IDD)
{
    OnControlRange(vd::BN_CLICKED, IDC_FIRST_REGION, IDC_LAST_REGION, [this](int id) { OnRegionButton(id); });
    OnControl(vd::CBN_SELCHANGE, IDC_SHEET_COMBO, [this] { ChooseSelectedSheet(); });
    OnControl(vd::CBN_DBLCLK, IDC_SHEET_COMBO, [this] { OnSheetDblClk(); });
}

bool CDlgSheetChooser::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillSheetList();
    return true;
}

void CDlgSheetChooser::FillSheetList()
{
    RegionBounds bounds;
    ApplyRegionBounds(m_strRegion, bounds);
    m_strEastBound = bounds.east;
    m_strWestBound = bounds.west;
    m_strNorthBound = bounds.north;
    m_strSouthBound = bounds.south;
    SetDlgItemText(IDC_REGION_NAME, m_strRegion);

    FillSheetSelectList(*this, m_astrSheetLine, bounds, m_strChosenName);
}

void CDlgSheetChooser::OnRegionButton(int id)
{
    m_strRegion = GetDlgItemText(id);
    FillSheetList();
}

bool CDlgSheetChooser::ChooseSelectedSheet()
{
    auto* combo = item<vd::ComboBox>(IDC_SHEET_COMBO);
    if (!combo || combo->GetCurSel() < 0)
        return false;
    const int found = FindSheetSelectLine(m_astrSheetLine, combo->GetLBText(combo->GetCurSel()));
    if (found < 0)
        return false;
    m_nSelectedLine = found;
    const SheetIndexLine& line = m_astrSheetLine[found];
    SetDlgItemText(IDC_LATITUDE, line.Field(22, 8));
    SetDlgItemText(IDC_LONGITUDE, line.Field(32, 9));
    m_strChosenName = line.NameColumns();
    return true;
}

void CDlgSheetChooser::OnSheetDblClk()
{
    if (ChooseSelectedSheet())
        EndDialog(vd::IDOK);
}

std::vector<SheetIndexLine> ReadSheetChooserLines(const std::string& indexPath)
{
    std::vector<SheetIndexLine> lines;
    auto index = ReadSheetIndex(indexPath);
    if (!index)
        return lines;
    for (SheetIndexLine& line : *index) {
        if (line.IsComment())
            continue;
        // Only "Ｂ" marks a sheet left out here; HasSheetMark also takes "Ｏ".
        const std::string text = vd::cp932ToUtf8(line.Raw());
        std::size_t first = 1;
        while (first < text.size() && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80)
            ++first;
        if (text.size() > first && text.find("Ｂ", first) != std::string::npos)
            continue;
        lines.push_back(std::move(line));
    }
    return lines;
}
