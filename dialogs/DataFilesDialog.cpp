#include "dialogs/DataFilesDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/BinderFile.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

#include <vector>

namespace {

using namespace vd::ui;

using namespace datafilesids;

// The list holds the common area and at most 99 titles.
constexpr int kMaxEntries = 100;

DialogTemplate DataFilesTemplate()
{
    DialogTemplate t;
    t.id = CDlgDataFiles::IDD;
    t.caption = "         データファイルの登録と選択";
    t.controls = {
        ltext(vd::IDC_STATIC, "ﾃﾞｰﾀﾌｧｲﾙ"),
        comboBox(IDC_FILE_COMBO, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP, {kCommonAreaTitle}),
        ltext(IDC_POSITION, ""),
        checkBox(IDC_USE_COMMON, "HD(共通領域)と指定のﾃﾞｰﾀﾌｧｲﾙを利用", {}, vd::BS_AUTOCHECKBOX | vd::WS_TABSTOP),
        ltext(IDC_SHOWN, ""),
        ltext(vd::IDC_STATIC, "新規ﾌｧｲﾙ"),
        edit(IDC_NEW_TITLE),
        pushButton(IDC_REGISTER, "新規登録"),
        pushButton(IDC_DELETE, "上記ﾌｧｲﾙ   を削除"),
        ltext(vd::IDC_STATIC, "１つのﾃﾞｰﾀﾌｧｲﾙに2700地点登録できます。"),
        ltext(vd::IDC_STATIC, "ﾌｧｲﾙの命名方法はﾍﾙﾌﾟﾌｧｲﾙを参照してください。"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {DataFilesTemplate()});

} // namespace

CDlgDataFiles::CDlgDataFiles() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_FILE_COMBO, [this] { OnSelchangeFile(); });
    OnClicked(IDC_REGISTER, [this] { OnRegister(); });
    OnClicked(IDC_USE_COMMON, [this] { OnUseCommonArea(); });
    OnClicked(IDC_DELETE, [this] { OnDelete(); });
}

bool CDlgDataFiles::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillList();
    return true;
}

// Also run again after a deletion, to list the rewritten catalogue.
void CDlgDataFiles::FillList()
{
    auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO);
    while (combo->GetCount() > 1)
        combo->DeleteString(combo->GetCount() - 1);
    m_astrTitle.fill({});
    m_nCount = 1;
    for (std::string& title : ReadBinderTitles(BinderPath())) {
        combo->AddString(title);
        m_astrTitle[m_nCount++] = std::move(title);
    }
    if (m_nSelected < 0)
        m_nSelected = 0;
    ShowPosition();
    combo->SetCurSel(m_nSelected);
    m_strSelectedTitle = m_nSelected < combo->GetCount() ? combo->GetLBText(m_nSelected) : std::string();
    CheckDlgButton(IDC_USE_COMMON, m_strUseCommon == "on" ? 1 : 0);
    ShowWhatIsShown();
}

void CDlgDataFiles::ShowPosition()
{
    SetDlgItemText(IDC_POSITION, vd::format("%3d/%3d", m_nSelected + 1, m_nCount));
}

void CDlgDataFiles::ShowWhatIsShown()
{
    const char* text = m_nSelected == 0           ? "HD(共通領域)のﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。"
                       : m_strUseCommon == "on" ? "HD(共通領域)と指定の２つのﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。"
                                                : "指定のﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。";
    SetDlgItemText(IDC_SHOWN, text);
}

void CDlgDataFiles::OnSelchangeFile()
{
    auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO);
    m_nSelected = combo->GetCurSel();
    m_strSelectedTitle = m_nSelected >= 0 ? combo->GetLBText(m_nSelected) : std::string();
    // What the map will show is told again only when the check box is clicked.
    ShowPosition();
}

void CDlgDataFiles::OnUseCommonArea()
{
    // The box is ticked for "on" only, so any other word (an unset one) becomes "on" with it.
    m_strUseCommon = m_strUseCommon == "on" ? "off" : "on";
    ShowWhatIsShown();
}

void CDlgDataFiles::OnRegister()
{
    if (m_nCount >= kMaxEntries)
        return;
    const std::string title = GetDlgItemText(IDC_NEW_TITLE);
    // The confirmation still in the field registers nothing; a title beginning with ";" would
    // read back as a comment and shift the numbering of every later title.
    if (title.empty() || title.starts_with("登録") || title.starts_with(";"))
        return;
    if (!AppendBinderTitle(BinderPath(), title)) {
        ReportUnwritable();
        return;
    }
    auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO);
    combo->AddString(title);
    m_astrTitle[m_nCount] = title;
    m_nSelected = m_nCount++;
    combo->SetCurSel(m_nSelected);
    m_strSelectedTitle = title;
    SetDlgItemText(IDC_NEW_TITLE, kRegisteredMessage);
}

void CDlgDataFiles::OnDelete()
{
    // The common area cannot be deleted.
    if (m_nSelected <= 0)
        return;
    std::vector<std::string> kept;
    for (int n = 1; n < m_nCount; ++n)
        if (n != m_nSelected)
            kept.push_back(m_astrTitle[n]);
    if (!RewriteBinderTitles(BinderPath(), kept)) {
        ReportUnwritable();
        return;
    }
    m_nSelected = 0;
    FillList();
}

void CDlgDataFiles::ReportUnwritable()
{
    vd::ui::AfxMessageBox(kBinderUnwritableMessage, vd::MB_OK | vd::MB_ICONEXCLAMATION);
}

extern "C" std::string OnDataSourceSet(int chosenEntry, std::string useCommon, std::string sourceFolder)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgDataFiles dialog;
        dialog.m_nSelected = chosenEntry;
        dialog.m_strUseCommon = std::move(useCommon);
        dialog.m_strFolder = std::move(sourceFolder);
        if (dialog.DoModal() != vd::IDOK)
            return std::string();
        return vd::format("%d|", dialog.m_nSelected) + dialog.m_strUseCommon + "|" + dialog.m_strSelectedTitle;
    });
}
