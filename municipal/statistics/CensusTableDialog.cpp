#include "municipal/statistics/CensusTableDialog.h"

#include "municipal/SurrickModule.h"
#include "municipal/files/CensusTableFile.h"
#include "municipal/statistics/CensusNames.h"
#include "platform/dc/Color.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace censustableids;

DialogTemplate TableDataTemplate()
{
    DialogTemplate t;
    t.id = CDlgTableData::IDD;
    t.place = DialogUnits{0, 0, 420, 250};
    t.controls = {
        listView(IDC_TABLE, DialogUnits{7, 7, 406, 200}, vd::LVS_REPORT),
        ltext(IDC_POSITION, "", DialogUnits{7, 213, 80, 10}),
        ltext(IDC_NAME, "", DialogUnits{95, 213, 250, 10}),
        defPushButton(vd::IDOK, "OK", DialogUnits{363, 229, 50, 14}),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {TableDataTemplate()});

// The width of field column j (from 0) of a known table.
int KnownColumnWidth(int field, const std::string& code)
{
    switch (field) {
    case 0:
        return 100;
    case 1:
        return code == "HYOSYO" ? 40 : 80;
    case 2:
        return code == "HTKSYU" ? 40 : 80;
    case 4:
        return 90;
    default:
        return 80;
    }
}

} // namespace

bool CensusGroupTint(int group, std::uint32_t& colour)
{
    switch (group) {
    case 1:
        colour = vd::RGB(172, 172, 255);
        return true;
    case 2:
        colour = vd::RGB(255, 255, 128);
        return true;
    case 3:
        colour = vd::RGB(179, 223, 2);
        return true;
    default:
        return false;
    }
}

std::string CensusCellText(const std::string& field, bool reformat)
{
    if (!reformat)
        return field;
    if (field.find('.') == std::string::npos) {
        const int value = vd::parseInt(field);
        return value != 0 ? vd::format("%7d", value) : field;
    }
    const double value = vd::parseDouble(field);
    return value != 0 ? vd::format("%7.2f", value) : field;
}

CDlgTableData::CDlgTableData() : vd::Dialog(IDD)
{
    OnNotify(vd::LVN_COLUMNCLICK, IDC_TABLE, [this](vd::Notify& n) { OnColumnClick(n.subItem); });
    OnNotify(vd::NM_CLICK, IDC_TABLE, [this](vd::Notify& n) { OnItemClick(n.item, n.subItem); });
}

bool CDlgTableData::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetWindowText(m_strTitle1 + "  " + m_strTitle2);
    FillList();
    return true;
}

void CDlgTableData::FillList()
{
    auto* list = item<vd::ListCtrl>(IDC_TABLE);
    if (!list)
        return;
    if (m_nPresetGroup < 4)
        m_nTableGroup = m_nPresetGroup;
    list->SetExtendedStyle(list->GetExtendedStyle() | vd::LVS_EX_GRIDLINES | vd::LVS_EX_HEADERDRAGDROP |
                           vd::LVS_EX_FULLROWSELECT);
    list->DeleteAllItems();

    const CensusTable table = ReadCensusTableFile(m_strFile).value_or(CensusTable{});
    const bool known = IsKnownCensusTable(table.headerLine);
    std::vector<std::string> header = table.header;
    // An empty or unreadable header still shows one (empty) column.
    if (header.empty())
        header.emplace_back();

    const int first = m_nRowNumbers == 1 ? 1 : 0;
    if (first == 1)
        list->InsertColumn(0, "", vd::LVCFMT_LEFT, 60);
    m_astrColumnName.clear();
    for (int j = 0; j < int(header.size()); ++j) {
        const std::string& code = header[j];
        std::string name = code;
        if (known) {
            if (auto fixed = CensusFixedColumnName(code))
                name = *fixed;
            else if (auto item = CensusItemName(code))
                name = *item;
            if (auto group = CensusTableGroup(code))
                m_nTableGroup = *group;
            if (m_nTranslate == 0)
                name = code;
        }
        list->InsertColumn(first + j, name, vd::LVCFMT_LEFT, known ? KnownColumnWidth(j, code) : 80);
        m_astrColumnName.push_back(name);
    }
    if (m_nPresetGroup < 4)
        m_nTableGroup = m_nPresetGroup;

    std::uint32_t tint = 0;
    if (CensusGroupTint(m_nTableGroup, tint))
        list->SetTextBkColor(tint);

    // The first reformatted field: the sixth, or the fifth without the row-number column.
    const int firstNumber = first == 1 ? 5 : 4;
    for (int r = 0; r < int(table.records.size()); ++r) {
        const std::vector<std::string>& record = table.records[r];
        list->InsertItem(r, vd::format("No.%3d", r + 1));
        for (int j = 0; j < int(header.size()); ++j) {
            const std::string field = j < int(record.size()) ? record[j] : std::string();
            list->SetItemText(r, first + j, CensusCellText(field, j >= firstNumber));
        }
    }
}

void CDlgTableData::OnColumnClick(int column)
{
    const int field = m_nRowNumbers == 1 ? column - 1 : column;
    if (field < 0) {
        SetDlgItemText(IDC_POSITION, "");
        SetDlgItemText(IDC_NAME, "");
        return;
    }
    SetDlgItemText(IDC_POSITION, vd::format("Column=%3d", field + 1));
    SetDlgItemText(IDC_NAME, field < int(m_astrColumnName.size()) ? m_astrColumnName[field] : std::string());
}

void CDlgTableData::OnItemClick(int item, int subItem)
{
    auto* list = this->item<vd::ListCtrl>(IDC_TABLE);
    if (!list || item < 0)
        return;
    if (m_nRowNumbers == 1 && subItem == 0) {
        SetDlgItemText(IDC_POSITION, vd::format("Item=%3d", item + 1));
        SetDlgItemText(IDC_NAME, "");
        return;
    }
    const int column = m_nRowNumbers == 1 ? subItem : subItem + 1;
    SetDlgItemText(IDC_POSITION, vd::format("(%3d,%3d)", item + 1, column));
    SetDlgItemText(IDC_NAME, list->GetItemText(item, subItem));
}
