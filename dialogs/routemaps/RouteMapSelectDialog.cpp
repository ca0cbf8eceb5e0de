#include "dialogs/routemaps/RouteMapSelectDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/RouteMasterFile.h"
#include "dialogs/points/ExternalEditor.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "dialogs/routemaps/RouteMapUpdateDialog.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

#include <utility>

namespace {

using namespace vd::ui;

using namespace routemapselectids;

constexpr std::uint32_t kFirstRadio = vd::BS_AUTORADIOBUTTON | vd::WS_GROUP | vd::WS_TABSTOP;

DialogTemplate RouteMapSelectTemplate()
{
    const PointEntryControls& c = kRouteChoiceControls;
    DialogTemplate t;
    t.id = CDlgRouteMapSelect::IDD;
    t.caption = "        ルートマップの選択";
    t.controls = {
        ltext(IDC_MAP_LABEL, "ﾙｰﾄﾏｯﾌﾟ"),
        comboBox(IDC_MAP_COMBO, {}, vd::CBS_SIMPLE | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_MAP_COUNT, ""),
        ltext(vd::IDC_STATIC, "(Max=512)"),
        pushButton(IDC_UPDATE, "更新"),
        groupBox(IDC_DATA_GROUP, "ﾙｰﾄﾏｯﾌﾟのデータ"),
        listBox(IDC_POINT_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(c.position, ""),
        ltext(vd::IDC_STATIC, "地名"),
        edit(c.name, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "項目"),
        edit(c.item, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(c.latitude, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "経度"),
        edit(c.longitude, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "ﾃｷｽﾄ"),
        edit(c.textFile, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "画像"),
        edit(c.pictureFile, {}, vd::ES_READONLY),
        pushButton(IDC_EDIT_DATA, "ﾃﾞｰﾀ編集"),
        groupBox(IDC_PLAY_GROUP, "ﾙｰﾄﾏｯﾌﾟの表示方法"),
        radioButton(IDC_AUTO, "自動", {}, kFirstRadio),
        radioButton(IDC_MANUAL, "手動"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {RouteMapSelectTemplate()});

} // namespace

CDlgRouteMapSelect::CDlgRouteMapSelect() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_MAP_COMBO, [this] { OnSelchangeMap(); });
    OnControl(vd::LBN_SELCHANGE, IDC_POINT_LIST, [this] { OnSelchangePoint(); });
    OnClicked(IDC_AUTO, [this] { m_strPlayMode = "AUTO"; });
    OnClicked(IDC_MANUAL, [this] { m_strPlayMode = "MANUAL"; });
    OnClicked(IDC_EDIT_DATA, [this] { OnEditData(); });
    OnClicked(IDC_UPDATE, [this] { OnUpdateMaster(); });
}

bool CDlgRouteMapSelect::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nKind != 0) {
        SetDlgItemText(IDC_MAP_LABEL, "ｴﾘｱﾏｯﾌﾟ");
        SetDlgItemText(IDC_DATA_GROUP, "ｴﾘｱﾏｯﾌﾟのデータ");
        SetDlgItemText(IDC_PLAY_GROUP, "ｴﾘｱﾏｯﾌﾟの表示方法");
        SetWindowText("        エリアマップの選択");
    }
    LoadMasterList();
    CheckRadioButton(IDC_AUTO, IDC_MANUAL, m_strPlayMode == "AUTO" ? IDC_AUTO : IDC_MANUAL);
    return true;
}

// Also run again after the maintenance dialog changed the list.
void CDlgRouteMapSelect::LoadMasterList()
{
    auto* combo = item<vd::ComboBox>(IDC_MAP_COMBO);
    combo->ResetContent();
    const std::string master = RouteMasterPath(m_strRouteFolder, m_nKind);
    m_astrMaster = ReadRouteMasterEntries(master);
    for (const std::string& line : m_astrMaster)
        combo->AddString(RouteMasterName(line));
    // A missing list writes no count.
    if (vd::fileExists(master))
        SetDlgItemText(IDC_MAP_COUNT, vd::format("計=%d", int(m_astrMaster.size())));
    m_nSelected = -1;
    m_strName.clear();
    m_strPath.clear();
}

void CDlgRouteMapSelect::OnSelchangeMap()
{
    const int selected = item<vd::ComboBox>(IDC_MAP_COMBO)->GetCurSel();
    if (selected < 0 || selected >= int(m_astrMaster.size()))
        return;
    m_nSelected = selected;
    SetDlgItemText(IDC_MAP_COUNT, vd::format("%d/%d", selected + 1, int(m_astrMaster.size())));
    const std::string& line = m_astrMaster[std::size_t(selected)];
    m_strName = RouteMasterName(line);
    m_strPath = RouteMasterFile(line);
    if (m_strPath.empty())
        return;
    m_points = vd::fileExists(m_strPath) ? ReadPointList(m_strPath, PointListFilter::EmptyOnly) : PointList{};
    auto* list = item<vd::ListBox>(IDC_POINT_LIST);
    list->ResetContent();
    for (int i = 0; i < m_points.count; ++i)
        list->AddString(m_points.entry[std::size_t(i)].substr(0, m_points.entry[std::size_t(i)].find('@')));
    ShowPointCount(*this, m_points, kRouteChoiceControls);
    ShowPointEntry(*this, m_points, 0, kRouteChoiceControls);
}

void CDlgRouteMapSelect::OnSelchangePoint()
{
    const int selected = item<vd::ListBox>(IDC_POINT_LIST)->GetCurSel();
    ShowPointPosition(*this, m_points, selected, kRouteChoiceControls);
    ShowPointEntry(*this, m_points, selected, kRouteChoiceControls);
}

void CDlgRouteMapSelect::OnEditData()
{
    if (!m_strPath.empty())
        RunExternalEditor(m_strEditor, m_strPath);
}

void CDlgRouteMapSelect::OnUpdateMaster()
{
    CDlgRouteMapUpdate update;
    update.m_strRouteFolder = m_strRouteFolder;
    update.m_nKind = m_nKind;
    if (update.DoModal() == vd::IDOK)
        LoadMasterList();
}

extern "C" std::string OnRouteInformation(int kind, std::string playMode, std::string editor, std::string routeFolder)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgRouteMapSelect dialog;
        dialog.m_nKind = kind;
        dialog.m_strPlayMode = std::move(playMode);
        dialog.m_strEditor = std::move(editor);
        dialog.m_strRouteFolder = std::move(routeFolder);
        if (dialog.DoModal() != vd::IDOK)
            return std::string();
        return vd::format("%d|", dialog.m_nSelected) + dialog.m_strName + "|" + dialog.m_strPath + "|" +
            dialog.m_strPlayMode;
    });
}
