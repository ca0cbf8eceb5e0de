#include "app/settings/EnvMapPage.h"

#include "app/settings/PointNameFileDialog.h"
#include "app/settings/PointNameFileList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace envmapids;

constexpr const char* kSheetSelectWords[] = {"INDEX", "MAP", "DIALOG"};

DialogTemplate EnvMapTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvMap::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        radioButton(IDC_ONE_SHEET, "1×1葉", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_BLOCK_3X3, "3×3葉"),
        radioButton(IDC_BLOCK_5X5, "5×5葉"),
        radioButton(IDC_BY_INDEX, "索引図", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_BY_JAPAN_MAP, "日本列島"),
        radioButton(IDC_BY_DIALOG, "ﾀﾞｲｱﾛｸﾞ"),
        comboBox(IDC_PLACE_NAME_FILE, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP | vd::WS_GROUP),
        pushButton(IDC_REGISTER, "登録"),
        radioButton(IDC_PORTRAIT, "縦長版", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_MONITOR_SIZE, "モニターサイズ版"),
        radioButton(IDC_PREFECTURE_ONLY, "指定県と周辺のデータ", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_NEIGHBOURS_TOO, "隣接県のデータも含む"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvMapTemplate()});

} // namespace

CDlgEnvMap::CDlgEnvMap()
{
    OnControlRange(vd::BN_CLICKED, IDC_ONE_SHEET, IDC_BLOCK_5X5, [this](int id) { OnBlock(id); });
    OnControlRange(vd::BN_CLICKED, IDC_BY_INDEX, IDC_BY_DIALOG, [this](int id) { OnSheetSelect(id); });
    OnControl(vd::CBN_SELCHANGE, IDC_PLACE_NAME_FILE, [this] { OnPlaceNameFileChosen(); });
    OnClicked(IDC_REGISTER, [this] { OnRegisterPlaceNameFiles(); });
    OnClicked(IDC_PORTRAIT, [this] { m_nScreen = 0; });
    OnClicked(IDC_MONITOR_SIZE, [this] { m_nScreen = 1; });
    OnClicked(IDC_PREFECTURE_ONLY, [this] { m_nPrfMpData = 0; });
    OnClicked(IDC_NEIGHBOURS_TOO, [this] { m_nPrfMpData = 1; });
}

bool CDlgEnvMap::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckRadioButton(IDC_ONE_SHEET, IDC_BLOCK_5X5,
                     m_nMapFrame == 1 ? IDC_ONE_SHEET : m_nMapMode == 9 ? IDC_BLOCK_3X3 : IDC_BLOCK_5X5);
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(IDC_BY_INDEX + i, m_strSheetSelect == kSheetSelectWords[i] ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_PORTRAIT, m_nScreen == 0 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_MONITOR_SIZE, m_nScreen == 1 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_PREFECTURE_ONLY, m_nPrfMpData == 0 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_NEIGHBOURS_TOO, m_nPrfMpData == 1 ? vd::BST_CHECKED : vd::BST_UNCHECKED);

    if (auto* combo = item<vd::ComboBox>(IDC_PLACE_NAME_FILE)) {
        combo->ResetContent();
        for (const std::string& file : ReadPointNameFiles(PointNameListPath(m_strAppDir)))
            combo->AddString(file);
        const int current = combo->FindStringExact(-1, m_strSiteNameFile);
        if (current >= 0)
            combo->SetCurSel(current);
        combo->SetWindowText(m_strSiteNameFile);
    }
    return true;
}

void CDlgEnvMap::OnBlock(int id)
{
    m_nMapFrame = id == IDC_ONE_SHEET ? 1 : 2;
    if (id == IDC_BLOCK_3X3)
        m_nMapMode = 9;
    else if (id == IDC_BLOCK_5X5)
        m_nMapMode = 25;
}

void CDlgEnvMap::OnSheetSelect(int id)
{
    m_strSheetSelect = kSheetSelectWords[id - IDC_BY_INDEX];
}

void CDlgEnvMap::OnPlaceNameFileChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_PLACE_NAME_FILE);
    if (combo && combo->GetCurSel() >= 0)
        m_strSiteNameFile = combo->GetLBText(combo->GetCurSel());
}

void CDlgEnvMap::OnRegisterPlaceNameFiles()
{
    CDlgPointNameFile dialog(this);
    dialog.m_strAppDir = m_strAppDir;
    dialog.m_strEditor = m_strEditor;
    dialog.DoModal();
}
