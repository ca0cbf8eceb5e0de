#include "dialogs/menus/MenuRegisterDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/menus/MenuEntryDialog.h"
#include "dialogs/points/ExternalEditor.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace menuregisterids;

// Menus 5-7 of the file are the picture menus 1-3.
constexpr int kFirstPictureMenu = 5;

DialogTemplate MenuRegisterTemplate()
{
    DialogTemplate t;
    t.id = CDlgMenuRegister::IDD;
    t.caption = "   テキストメニューに項目の登録・更新";
    t.place = DialogUnits{0, 0, 262, 214};
    t.controls = {
        ltext(vd::IDC_STATIC, "メニュー", DialogUnits{8, 10, 36, 10}),
        comboBox(IDC_MENU, DialogUnits{46, 8, 70, 80}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, "", DialogUnits{130, 10, 50, 10}),
        ltext(vd::IDC_STATIC, "登録済項目一覧", DialogUnits{8, 26, 80, 10}),
        listView(IDC_LIST, DialogUnits{8, 38, 246, 130}),
        ltext(vd::IDC_STATIC, "登録・更新はﾀｲﾄﾙ欄をダブルクリック！", DialogUnits{8, 172, 180, 10}),
        pushButton(IDC_EDIT, "編集", DialogUnits{8, 190, 50, 14}),
        defPushButton(vd::IDOK, "OK", DialogUnits{146, 190, 50, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{204, 190, 50, 14}),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {MenuRegisterTemplate()});

} // namespace

CDlgMenuRegister::CDlgMenuRegister() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_MENU, [this] { OnSelchangeMenu(); });
    OnNotify(vd::NM_DBLCLK, IDC_LIST, [this](vd::Notify&) { OnDblclkList(); });
    OnClicked(IDC_EDIT, [this] { OnEdit(); });
}

void CDlgMenuRegister::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Control(dx, IDC_LIST, m_listItems);
}

bool CDlgMenuRegister::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    auto* combo = item<vd::ComboBox>(IDC_MENU);
    combo->ResetContent();
    if (m_nMode == 0) {
        for (int n = 1; n <= 5; ++n)
            combo->AddString(vd::format("ﾃｷｽﾄ%d", n));
    } else if (m_nMode == 1) {
        for (int n = 1; n <= 3; ++n)
            combo->AddString(vd::format("画像%d", n));
        SetWindowText("   画像メニューに項目の登録・更新");
    } else {
        combo->AddString("絵地図");
        SetWindowText("   絵地図の登録・更新");
    }
    m_nMenu = 0;
    m_listItems.InsertColumn(0, "タイトル", vd::LVCFMT_LEFT, 120);
    m_listItems.InsertColumn(1, m_nMode == 0 ? "ﾃｷｽﾄﾌｧｲﾙ" : "画像ﾌｧｲﾙ", vd::LVCFMT_LEFT, 240);
    combo->SetCurSel(m_nMenu);
    if (m_nMode == 2) {
        LoadGuideMapMenu();
    } else {
        if (m_nMode == 1)
            m_nMenu += kFirstPictureMenu;
        LoadItemMenu();
        m_nLoadedMenu = m_nMenu;
    }
    m_nDirty = -1;
    return true;
}

std::string CDlgMenuRegister::MenuFilePath() const
{
    return m_strFolder + (m_nMode == 2 ? "Guidemap\\Guidemap.DAT" : "SOURCE\\MENUFILE.DAT");
}

void CDlgMenuRegister::TakeSlots(const MenuSlots& slots)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        m_astrTitle[i] = slots[i].title;
        m_astrTarget[i] = slots[i].target;
    }
}

MenuSlots CDlgMenuRegister::Slots() const
{
    MenuSlots slots;
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = {m_astrTitle[i], m_astrTarget[i]};
    return slots;
}

void CDlgMenuRegister::LoadItemMenu()
{
    TakeSlots(ReadItemMenu(MenuFilePath(), m_nMenu));
    FillList();
}

void CDlgMenuRegister::LoadGuideMapMenu()
{
    TakeSlots(ReadGuideMapMenu(MenuFilePath()));
    FillList();
}

void CDlgMenuRegister::FillList()
{
    m_listItems.DeleteAllItems();
    m_anRowSlot.clear();
    m_nCount = 0;
    for (int slot = 0; slot < kMenuSlotCount; ++slot)
        if (!m_astrTitle[std::size_t(slot)].empty()) {
            AppendRow(slot);
            m_nCount = slot + 1;
        }
    if (m_nCount < kMenuSlotCount)
        m_listItems.InsertItem(m_listItems.GetItemCount(), kAddRowText);
    ShowCount();
}

void CDlgMenuRegister::AppendRow(int slot)
{
    const int row = m_listItems.InsertItem(m_listItems.GetItemCount(), m_astrTitle[std::size_t(slot)]);
    m_listItems.SetItemText(row, 1, m_astrTarget[std::size_t(slot)]);
    m_anRowSlot.push_back(slot);
}

void CDlgMenuRegister::ShowCount()
{
    SetDlgItemText(IDC_COUNT, vd::format("計=%d", m_nCount));
}

void CDlgMenuRegister::OnSelchangeMenu()
{
    if (m_nMode == 2)
        return;
    auto* combo = item<vd::ComboBox>(IDC_MENU);
    const int offset = m_nMode == 1 ? kFirstPictureMenu : 0;
    if (m_nDirty == 1 && !SaveItemMenu()) {
        // The unwritten changes stay on screen rather than vanish with the switch.
        combo->SetCurSel(m_nMenu - offset);
        return;
    }
    const int chosen = combo->GetCurSel();
    m_nMenu = (chosen < 0 ? 0 : chosen) + offset;
    if (m_nMenu != m_nLoadedMenu)
        LoadItemMenu();
    m_nDirty = -1;
    m_nLoadedMenu = m_nMenu;
}

void CDlgMenuRegister::OnDblclkList()
{
    const int row = m_listItems.GetSelectionMark();
    if (row < 0)
        return;
    CDlgMenuEntry entry;
    int slot = 0;
    if (row < int(m_anRowSlot.size())) {
        slot = m_anRowSlot[std::size_t(row)];
        // A separator or an entry without a target is not changed here.
        if (m_astrTitle[std::size_t(slot)].empty() || m_astrTarget[std::size_t(slot)].empty())
            return;
        entry.m_nUpdate = 1;
        entry.m_strTitle = m_astrTitle[std::size_t(slot)];
        entry.m_strTarget = m_astrTarget[std::size_t(slot)];
    } else if (m_nCount < kMenuSlotCount) {
        slot = m_nCount;
        entry.m_nUpdate = 0;
    } else {
        return;
    }
    entry.m_nKind = m_nMode;
    if (entry.DoModal() != vd::IDOK)
        return;
    std::string& title = m_astrTitle[std::size_t(slot)];
    std::string& target = m_astrTarget[std::size_t(slot)];
    if (entry.m_strTitle == title && entry.m_strTarget == target)
        return;
    const bool separator = entry.m_strTitle.find("--") != std::string::npos;
    if (!separator && (entry.m_strTitle.empty() || entry.m_strTarget.empty()))
        return;
    title = entry.m_strTitle;
    target = entry.m_strTarget;
    FillList();
    m_nDirty = 1;
}

bool CDlgMenuRegister::SaveItemMenu()
{
    return AfterRewrite(RewriteItemMenu(MenuFilePath(), m_nMenu, Slots()));
}

bool CDlgMenuRegister::SaveGuideMapMenu()
{
    return AfterRewrite(RewriteGuideMapMenu(MenuFilePath(), Slots()));
}

bool CDlgMenuRegister::AfterRewrite(bool written)
{
    if (!written) {
        AfxMessageBox(kMenuFileUnwritableMessage + MenuFilePath(), vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return false;
    }
    m_nDirty = -1;
    m_nRewritten = 1;
    return true;
}

bool CDlgMenuRegister::SaveMenu()
{
    return m_nMode == 2 ? SaveGuideMapMenu() : SaveItemMenu();
}

void CDlgMenuRegister::OnEdit()
{
    if (m_nDirty == 1 && !SaveMenu())
        return;
    // A start failure is reported by the editor seam; the call counts as a run all the same.
    RunExternalEditor(m_strEditor, MenuFilePath());
    m_nRewritten = 1;
}

void CDlgMenuRegister::OnOK()
{
    if (m_nDirty == 1 && !SaveMenu())
        return;
    vd::Dialog::OnOK();
}

extern "C" int OnDlgMenuBarFileUpdate(std::string appFolder, std::string editor, int mode)
{
    return RunEntryPoint(-1, [&] {
        if (mode < 0 || mode > 2)
            return -1; // no such menu
        CDlgMenuRegister dialog;
        dialog.m_nMode = mode;
        dialog.m_strFolder = std::move(appFolder);
        dialog.m_strEditor = std::move(editor);
        return dialog.DoModal() == vd::IDOK ? dialog.m_nRewritten : -1;
    });
}
