#include "dialogs/routemaps/RouteMapUpdateDialog.h"

#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/RouteMasterFile.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

using namespace vd::ui;

using namespace routemapupdateids;

DialogTemplate RouteMapUpdateTemplate()
{
    DialogTemplate t;
    t.id = CDlgRouteMapUpdate::IDD;
    t.caption = "      ルートマップの更新";
    t.controls = {
        listBox(IDC_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, ""),
        ltext(vd::IDC_STATIC, "(Max=512)"),
        pushButton(IDC_DELETE, "ｶｰｿﾙ行削除"),
        ltext(vd::IDC_STATIC, "名称"),
        edit(IDC_NAME),
        pushButton(IDC_RENAME, "名称変更"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {RouteMapUpdateTemplate()});

} // namespace

CDlgRouteMapUpdate::CDlgRouteMapUpdate() : vd::Dialog(IDD)
{
    OnControl(vd::LBN_SELCHANGE, IDC_LIST, [this] { OnSelchangeList(); });
    OnClicked(IDC_DELETE, [this] { OnDelete(); });
    OnClicked(IDC_RENAME, [this] { OnRename(); });
}

bool CDlgRouteMapUpdate::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nKind != 0)
        SetWindowText("      エリアマップの更新");
    FillList();
    return true;
}

void CDlgRouteMapUpdate::FillList()
{
    auto* list = item<vd::ListBox>(IDC_LIST);
    list->ResetContent();
    if (m_strLoaded.empty())
        m_astrMaster = ReadRouteMasterEntries(RouteMasterPath(m_strRouteFolder, m_nKind));
    for (const std::string& line : m_astrMaster)
        list->AddString(RouteMasterName(line));
    SetDlgItemText(IDC_COUNT, vd::format("%d件", int(m_astrMaster.size())));
    m_strLoaded = "on";
}

void CDlgRouteMapUpdate::OnSelchangeList()
{
    const int selected = item<vd::ListBox>(IDC_LIST)->GetCurSel();
    if (selected < 0 || selected >= int(m_astrMaster.size()))
        return;
    m_nSelected = selected;
    m_strName = RouteMasterName(m_astrMaster[std::size_t(selected)]);
    m_strPath = RouteMasterFile(m_astrMaster[std::size_t(selected)]);
    SetDlgItemText(IDC_NAME, m_strName);
}

void CDlgRouteMapUpdate::OnDelete()
{
    if (m_nSelected < 0)
        return;
    // A route file already gone counts as removed, so its line can still be deleted.
    if (vd::fileExists(m_strPath) && !vd::removeFile(m_strPath))
        return;
    if (!RewriteRouteMaster(RouteMasterPath(m_strRouteFolder, m_nKind), m_nSelected, std::nullopt))
        return;
    ListAnew();
}

void CDlgRouteMapUpdate::OnRename()
{
    const std::string name = GetDlgItemText(IDC_NAME);
    // A name beginning with ";" would read back as a comment, one with "@" would cut the path.
    if (name.empty() || name[0] == ';' || name.find('@') != std::string::npos || m_nSelected < 0)
        return;
    if (!RewriteRouteMaster(RouteMasterPath(m_strRouteFolder, m_nKind), m_nSelected, name + "@" + m_strPath))
        return;
    ListAnew();
}

// The list read again; the old choice no longer names the same line, so it is dropped.
void CDlgRouteMapUpdate::ListAnew()
{
    m_nSelected = -1;
    m_strName.clear();
    m_strPath.clear();
    m_strLoaded.clear();
    FillList();
}
