#include "view/sheetmap/SheetSelectDialog.h"

#include "basemap/projection/RegionBounds.h"
#include "basemap/sheetindex/SheetSelectTemplate.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/window/ViewMessages.h"

#include <algorithm>

namespace {

using namespace vd::ui;

using namespace sheetselect;

const TemplateRegistration registration(kProgramModule, {SheetSelectTemplate()});

// Whether a text is digits with a point where the pattern has one ("dd.dddd").
bool matchesDigits(const std::string& text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == '.' ? text[i] != '.' : (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

// A sheet line has a name and both corner texts. The rest of an over-long line, read as a piece
// of its own, has not, so it is never offered as a sheet.
bool isSheetLine(const SheetIndexLine& line)
{
    return line.NameColumns().find_first_not_of(' ') != std::string::npos &&
           matchesDigits(line.LatitudeText(), "dd.dddd") && matchesDigits(line.LongitudeText(), "ddd.dddd");
}

} // namespace

CDlgSheetSelect::CDlgSheetSelect(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    connect();
}

CDlgSheetSelect::CDlgSheetSelect(ModelessTag, vd::Window* view) : m_pView(view)
{
    connect();
}

bool CDlgSheetSelect::Create()
{
    return vd::Dialog::Create(IDD, nullptr);
}

void CDlgSheetSelect::connect()
{
    OnControlRange(vd::BN_CLICKED, IDC_FIRST_REGION, IDC_LAST_REGION, [this](int id) { OnRegionButton(id); });
    OnControl(vd::CBN_SELCHANGE, IDC_SHEET_COMBO, [this] { OnSheetSelChange(); });
    OnControl(vd::CBN_DBLCLK, IDC_SHEET_COMBO, [this] { OnSheetDblClk(); });
}

void CDlgSheetSelect::DoDataExchange(vd::DataExchange&)
{
    // The bounds are derived from the region each time the list is filled; no control is bound.
    m_strEastBound.clear();
    m_strNorthBound.clear();
    m_strWestBound.clear();
    m_strSouthBound.clear();
}

bool CDlgSheetSelect::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillSheetList();
    return true;
}

void CDlgSheetSelect::FillSheetList()
{
    RegionBounds bounds;
    ApplyRegionBounds(m_strRegion, bounds);
    m_strEastBound = bounds.east;
    m_strNorthBound = bounds.north;
    m_strWestBound = bounds.west;
    m_strSouthBound = bounds.south;
    SetDlgItemText(IDC_REGION_NAME, m_strRegion);

    FillSheetSelectList(*this, m_astrIndexLine, bounds, m_strChosenName);
}

void CDlgSheetSelect::OnRegionButton(int id)
{
    m_strRegion = GetDlgItemText(id);
    FillSheetList();
}

bool CDlgSheetSelect::ChooseSelectedSheet()
{
    auto* combo = item<vd::ComboBox>(IDC_SHEET_COMBO);
    if (!combo || combo->GetCurSel() < 0)
        return false;
    const int found = FindSheetSelectLine(m_astrIndexLine, combo->GetLBText(combo->GetCurSel()));
    m_nChosenLine = found;
    if (found < 0)
        return false;
    const SheetIndexLine& line = m_astrIndexLine[found];
    SetDlgItemText(IDC_LATITUDE, line.Field(22, 8));
    SetDlgItemText(IDC_LONGITUDE, line.Field(32, 9));
    m_strChosenName = line.NameColumns();
    return true;
}

void CDlgSheetSelect::OnSheetSelChange()
{
    ChooseSelectedSheet();
}

void CDlgSheetSelect::OnSheetDblClk()
{
    if (!ChooseSelectedSheet())
        return;
    if (m_nModeless != 0)
        OnOK();
    else
        EndDialog(vd::IDOK);
}

void CDlgSheetSelect::OnOK()
{
    if (m_nModeless == 0) {
        vd::Dialog::OnOK();
        return;
    }
    UpdateData(true);
    if (m_pView) {
        m_nModeless = 2;
        m_pView->PostMessage(WM_VIEWDIALOGDONE, 1, 0);
    }
}

void CDlgSheetSelect::OnCancel()
{
    if (m_nModeless == 0) {
        vd::Dialog::OnCancel();
        return;
    }
    if (m_pView) {
        m_nModeless = 3;
        m_pView->PostMessage(WM_VIEWDIALOGDONE, 2, 0);
    }
}

std::vector<SheetIndexLine> ReadSheetSelectLines(const std::string& indexPath, bool admitMarked)
{
    std::vector<SheetIndexLine> lines;
    auto index = ReadSheetIndex(indexPath);
    if (!index)
        return lines;
    for (SheetIndexLine& line : *index) {
        if (line.IsComment() || (line.IsMarked() && !admitMarked) || !isSheetLine(line))
            continue;
        lines.push_back(std::move(line));
    }
    return lines;
}

bool HandleSheetDialogDone(CDlgSheetSelect& dialog)
{
    if (dialog.m_nModeless == 3) {
        dialog.DestroyWindow();
        return false;
    }
    return true;
}
