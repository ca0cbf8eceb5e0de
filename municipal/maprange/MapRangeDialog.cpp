#include "municipal/maprange/MapRangeDialog.h"

#include "municipal/SurrickModule.h"
#include "municipal/maprange/SemSheetLookup.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

#include <cmath>

namespace {

using namespace vd::ui;

constexpr int IDC_PART_LIST = 121;
constexpr int IDC_RANGE_NAME = 141;
constexpr int IDC_CHOOSE_FILE = 208;
constexpr int IDC_FILE_NAME = 209;
constexpr int IDC_USE_50M = 1007;
constexpr int IDC_SHEET_FORM = 1014;
constexpr int IDC_PREFECTURE_FORM = 1015;
constexpr int IDC_KIND_250M = 1302; // the kinds' radios follow in kind order, to 1306
constexpr int IDC_KIND_USER = 1306;
constexpr int IDC_WHOLE = 207;
constexpr int IDC_NORTH_PART = 210;
constexpr int IDC_SOUTH_PART = 211;

constexpr const char* kBlankMap = "白地図";
constexpr const char* kUserMapName = "ﾕｰｻﾞｰ作成地図";

// The sheet is 320 x 320 cells; the ninths overlap, 160 x 135 cells each.
constexpr CDlgMapRange::RangeRow kRanges[] = {
    {IDC_WHOLE, 1, "全域", 319, 319, 0, 0},
    {IDC_NORTH_PART, 1, "北4/5", 319, 269, 0, 0},
    // Rows 50 to 319: the southern four fifths.
    {IDC_SOUTH_PART, 1, "南4/5", 319, 269, 0, 50},
    {107, 1, "北西部", 159, 134, 0, 0},
    {114, 8, "北部", 159, 134, 80, 0},
    {108, 2, "北東部", 159, 134, 160, 0},
    {115, 11, "西部", 159, 134, 0, 94},
    {118, 12, "中央部", 159, 134, 80, 94},
    {117, 9, "東部", 159, 134, 160, 94},
    {109, 4, "南西部", 159, 134, 0, 185},
    {116, 10, "南部", 159, 134, 80, 185},
    {110, 3, "南東部", 159, 134, 160, 185},
};

struct FileChoice {
    const char* extension;
    const char* initialName;
    const char* filter;
};

constexpr const char* kFilter250 =
    "250m# files (*.sem)|*.sem|1km# files (*.tem)|*.tem|ﾕｰｻﾞｰ地図files (*.map)|*.map|All files (*.*)|*.*||";
constexpr FileChoice kFileChoices[] = {
    {"sem", "*.sem", kFilter250},
    {"tem", "*.tem",
     "1km# files (*.tem)|*.tem|250m# files (*.sem)|*.sem|ﾕｰｻﾞｰ地図files (*.map)|*.map|All files (*.*)|*.*||"},
    {"tem", "*.tem",
     "1km# files (*.tem)|*.tem|250m# files (*.sem)|*.sem|ﾕｰｻﾞｰ地図files (*.map)|*.map|*.dat|All files (*.*)|*.*||"},
    {"mem", "*.mem",
     "50m# files (*.mem)|*.mem|250m# files (*.sem)|*.sem|ﾕｰｻﾞｰ地図files (*.map)|*.map|*.dat|All files (*.*)|*.*||"},
    {"map", "*.map", kFilter250},
};

ControlTemplate firstOfGroup(ControlTemplate control)
{
    control.style |= vd::WS_GROUP;
    return control;
}

DialogTemplate MapRangeTemplate()
{
    DialogTemplate t;
    t.id = CDlgMapRange::IDD;
    t.caption = "数値地図と表示範囲";
    std::vector<std::string> parts;
    for (int k = 1; k <= kPartSheets; ++k)
        parts.push_back(vd::format("図幅番号%2d ", k));
    t.controls = {
        groupBox(vd::IDC_STATIC, "数値地図ﾌｧｲﾙ"),
        edit(IDC_FILE_NAME, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        pushButton(IDC_CHOOSE_FILE, "変更"),
        firstOfGroup(radioButton(IDC_KIND_250M, "数値地図 250m#")),
        radioButton(1305, " 〃 〃      50m#"),
        radioButton(1303, " 〃 〃  1Km#(標高)"),
        radioButton(1304, " 〃 〃  1Km#(平均)"),
        radioButton(IDC_KIND_USER, "ﾕｰｻﾞｰ作成地図"),
        firstOfGroup(groupBox(vd::IDC_STATIC, "表示範囲(250m#専用)")),
        ltext(vd::IDC_STATIC, "［1/5万 図幅］"),
        comboBox(IDC_PART_LIST, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP, parts),
        checkBox(IDC_USE_50M, "50m#を利用"),
        ltext(vd::IDC_STATIC, "［区域］"),
        ltext(IDC_RANGE_NAME, ""),
        pushButton(107, "NW"),
        pushButton(114, "N"),
        pushButton(108, "NE"),
        pushButton(115, "W"),
        pushButton(118, "C"),
        pushButton(117, "E"),
        pushButton(109, "SW"),
        pushButton(116, "S"),
        pushButton(110, "SE"),
        pushButton(IDC_WHOLE, "全域"),
        pushButton(IDC_NORTH_PART, "北4/5"),
        pushButton(IDC_SOUTH_PART, "南4/5"),
        groupBox(vd::IDC_STATIC, "地図形式"),
        firstOfGroup(radioButton(IDC_SHEET_FORM, "1/20万地勢図")),
        radioButton(IDC_PREFECTURE_FORM, "都道府県別地図"),
        firstOfGroup(defPushButton(vd::IDOK, "OK")),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {MapRangeTemplate()});

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

std::string upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

} // namespace

CDlgMapRange::CDlgMapRange() : vd::Dialog(IDD)
{
    OnControlRange(vd::BN_CLICKED, IDC_KIND_250M, IDC_KIND_USER, [this](int id) { OnKindRadio(id); });
    OnClicked(IDC_CHOOSE_FILE, [this] { OnChooseFile(); });
    for (const RangeRow& row : kRanges)
        OnClicked(row.buttonId, [this, id = row.buttonId] { OnRangeButton(id); });
    OnControl(vd::CBN_SELCHANGE, IDC_PART_LIST, [this] { OnPartChosen(); });
    OnClicked(IDC_USE_50M, [this] { OnUse50m(); });
    OnClicked(IDC_SHEET_FORM, [this] { OnMapForm(0); });
    OnClicked(IDC_PREFECTURE_FORM, [this] { OnMapForm(1); });
}

bool CDlgMapRange::IsBlankMap() const
{
    return contains(m_strMeshFile, kBlankMap);
}

bool CDlgMapRange::IsUserMap() const
{
    // The file's own name decides, not a folder that happens to hold "map".
    const std::size_t slash = m_strMeshFile.rfind('\\');
    return contains(upper(slash == std::string::npos ? m_strMeshFile : m_strMeshFile.substr(slash + 1)), "MAP");
}

bool CDlgMapRange::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    InitialiseFromFile();
    return true;
}

void CDlgMapRange::InitialiseFromFile()
{
    if (!IsBlankMap()) {
        // The name and extension only: eight characters before the first "." and no folder.
        m_strShortName = upper(m_strMeshFile);
        const std::size_t dot = m_strShortName.find('.');
        if (dot != std::string::npos && dot > 8)
            m_strShortName.erase(0, dot - 8);
        const std::size_t slash = m_strShortName.rfind('\\');
        if (slash != std::string::npos)
            m_strShortName.erase(0, slash + 1);
    } else {
        m_strShortName = m_strMeshFile;
        m_nUse50m = 0;
    }
    SetDlgItemText(IDC_FILE_NAME, m_strShortName.empty() ? "ﾌｧｲﾙを指定!" : m_strShortName);

    if (contains(upper(m_strMeshFile), ".SEM") || IsBlankMap())
        FillPartList();
    if (IsUserMap()) {
        m_strPartListText = kUserMapName;
        m_strRangeName = "全域";
        if (m_nKmWidth > 14 || m_nKmHeight > 14)
            m_nKmWidth = m_nKmHeight = 0;
    }
    m_nOpeningKind = m_nKind;
    RefreshControls();
}

void CDlgMapRange::FillPartList()
{
    std::string folder = m_strPartIndexFolder;
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    m_astrPartName = ReadPartSheetNames(folder + kPartSheetIndexName, m_strSheetName);
    auto* list = item<vd::ComboBox>(IDC_PART_LIST);
    if (!list)
        return;
    list->ResetContent();
    for (int k = 0; k < kPartSheets; ++k) {
        const std::string& name = m_astrPartName[k];
        list->AddString(name.empty() || IsBlankMap() ? vd::format("%2d:図幅番号%2d", k + 1, k + 1)
                                                     : vd::format("%2d:", k + 1) + name);
    }
}

void CDlgMapRange::RefreshControls()
{
    CheckRadioButton(IDC_KIND_250M, IDC_KIND_USER, IDC_KIND_250M + m_nKind);
    CheckDlgButton(IDC_USE_50M, m_nUse50m == 1);
    CheckRadioButton(IDC_SHEET_FORM, IDC_PREFECTURE_FORM, m_nMapForm == 1 ? IDC_PREFECTURE_FORM : IDC_SHEET_FORM);
    SetDlgItemText(IDC_RANGE_NAME, m_strRangeName);
    SetDlgItemText(IDC_PART_LIST, m_strPartListText);
}

void CDlgMapRange::OnKindRadio(int id)
{
    const int kind = id - IDC_KIND_250M;
    if ((kind == k1kmElevation && m_str1kmElevationFlag == "off") || (kind == k1kmMean && m_str1kmMeanFlag == "off")) {
        CheckRadioButton(IDC_KIND_250M, IDC_KIND_USER, IDC_KIND_250M + m_nKind);
        return;
    }
    m_nKind = kind;
    SetDlgItemText(IDC_FILE_NAME, m_nKind == m_nOpeningKind ? m_strShortName : std::string());
}

void CDlgMapRange::OnChooseFile()
{
    vd::ui::MessageBeep();
    const FileChoice& choice = kFileChoices[m_nKind >= k250m && m_nKind <= kUserMap ? m_nKind : k250m];
    vd::FileDialog dialog(true, choice.extension, choice.initialName, vd::OFN_FILEMUSTEXIST, choice.filter);
    const std::string* folders[] = {&m_strFolder250, &m_strFolder1kmElevation, &m_strFolder1kmMean,
                                    &m_strFolder1kmMean, &m_strFolder250};
    dialog.SetInitialFolder(*folders[m_nKind >= k250m && m_nKind <= kUserMap ? m_nKind : k250m]);
    if (dialog.DoModal() != vd::IDOK)
        return;
    m_strMeshFile = dialog.GetPathName();
    if (contains(upper(m_strMeshFile), ".SEM"))
        m_strSheetName = SemFileSheetName(m_strMeshFile, m_strSheetIndexPath);
    // A new file starts from its whole sheet; the kind stays the one the file was chosen for.
    ApplyRange(kRanges[0]);
    InitialiseFromFile();
}

void CDlgMapRange::OnRangeButton(int id)
{
    for (const RangeRow& row : kRanges)
        if (row.buttonId == id) {
            m_nKind = k250m;
            ApplyRange(row);
            RefreshControls();
            return;
        }
}

void CDlgMapRange::ApplyRange(const RangeRow& row)
{
    m_nRegionCode = row.regionCode;
    m_strRangeName = row.name;
    m_nWidth = row.width;
    m_nHeight = row.height;
    m_nX0 = row.x0;
    m_nY0 = row.y0;
    m_strPartListText.clear();
    ApplyRange();
    // The whole sheet and its four fifths then name a part-sized range; the kilometres above
    // stay those of the range applied.
    if (row.width == 319) {
        m_nWidth = 159;
        m_nHeight = m_nPartHeight - 1;
    }
}

void CDlgMapRange::ApplyRange()
{
    const std::size_t comma = m_strMeshSize.find(',');
    const double a = vd::parseDouble(m_strMeshSize.substr(0, comma));
    const double b = comma == std::string::npos ? 0.0 : vd::parseDouble(m_strMeshSize.substr(comma + 1));
    if (!IsUserMap()) {
        m_nEndX = m_nWidth + m_nX0;
        m_nEndY = m_nHeight + m_nY0;
        m_nKmWidth = int((m_nWidth + 1) * a * 0.001);
        m_nKmHeight = int((m_nHeight + 1) * b * 0.001);
    } else {
        m_strRangeName = "全域";
    }
    SetDlgItemText(IDC_RANGE_NAME, m_strRangeName);
}

void CDlgMapRange::OnPartChosen()
{
    auto* list = item<vd::ComboBox>(IDC_PART_LIST);
    if (!list || list->GetCurSel() < 0)
        return;
    m_strPartListText = list->GetLBText(list->GetCurSel());
    const std::size_t colon = m_strPartListText.find(':');
    m_strRangeName = colon == std::string::npos ? m_strPartListText : m_strPartListText.substr(colon + 1);
    m_nWidth = m_nHeight = 80;
    m_nX0 = m_nY0 = 0;
    ApplyRange();
}

void CDlgMapRange::OnUse50m()
{
    if (!IsBlankMap()) {
        m_nUse50m = m_nUse50m == 1 ? 0 : 1;
        return;
    }
    m_nUse50m = 0;
    CheckDlgButton(IDC_USE_50M, false);
}

void CDlgMapRange::OnMapForm(int form)
{
    m_nMapForm = form;
    if (form != 1)
        return;
    m_nKind = k250m;
    CheckRadioButton(IDC_KIND_250M, IDC_KIND_USER, IDC_KIND_250M);
    SetDlgItemText(IDC_FILE_NAME, "");
}

void CDlgMapRange::OnOK()
{
    m_strPartListText = GetDlgItemText(IDC_PART_LIST);
    vd::Dialog::OnOK();
}

std::string CDlgMapRange::Result() const
{
    // The kilometre sizes are whole numbers; the answer keeps its "%f" fields.
    return m_strMeshFile + "|" + std::to_string(m_nKind) + "|" + m_strPartListText + "|" + m_strRangeName + "|" +
           vd::format("%d|%d|%d|%d|%d|", m_nRegionCode, m_nWidth, m_nHeight, m_nX0, m_nY0) +
           vd::format("%f|%f|%d|%d", double(m_nKmWidth), double(m_nKmHeight), m_nUse50m, m_nMapForm);
}
