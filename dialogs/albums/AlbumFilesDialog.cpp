#include "dialogs/albums/AlbumFilesDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/albums/AlbumFieldText.h"
#include "dialogs/albums/RouteFile.h"
#include "dialogs/albums/RouteRegistDialog.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace albumfilesids;

constexpr const char* kAlbumCaption = "        ｱﾙﾊﾞﾑに登録されたﾌｧｲﾙ";
constexpr const char* kAlbumPlayGroup = "ｱﾙﾊﾞﾑの表示方法";
constexpr const char* kAlbumNote = "ﾌｧｲﾙを選ぶと内容が表示されます";

DialogTemplate AlbumFilesTemplate()
{
    DialogTemplate t;
    t.id = CDlgAlbumFiles::IDD;
    t.caption = kAlbumCaption;
    t.controls = {
        ltext(IDC_TITLE, ""),
        ltext(IDC_SECOND_TITLE, ""),
        listBox(IDC_POINTS, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(kPointListControls.position, ""),
        ltext(vd::IDC_STATIC, "名前"),
        edit(kPointListControls.name, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "項目"),
        edit(kPointListControls.item, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "ﾃｷｽﾄ"),
        edit(kPointListControls.textFile, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "画像"),
        edit(kPointListControls.pictureFile, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        groupBox(IDC_PLAY_GROUP, kAlbumPlayGroup),
        radioButton(IDC_AUTO, "自動", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_MANUAL, "手動"),
        ltext(IDC_NOTE, kAlbumNote),
        pushButton(IDC_REGISTER, "****"),
        defPushButton(IDC_OK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {AlbumFilesTemplate()});

bool IsRouteOrArea(const std::string& kind)
{
    return kind == "RouteMap" || kind == "AreaMap";
}

} // namespace

std::string AreaRangeText(int areaShape, int areaSizeKm)
{
    if (areaShape != 0)
        return vd::format("辺長%dkmの圏内", areaSizeKm);
    return vd::format("半径%dkmの圏内", areaSizeKm / 2);
}

CDlgAlbumFiles::CDlgAlbumFiles() : vd::Dialog(IDD)
{
    OnClicked(IDC_AUTO, [this] { m_strPlayMode = "AUTO"; });
    OnClicked(IDC_MANUAL, [this] { m_strPlayMode = "MANUAL"; });
    OnClicked(IDC_OK, [this] { EndDialog(vd::IDOK); });
    OnControl(vd::LBN_SELCHANGE, IDC_POINTS, [this] { OnSelchangeList(); });
    OnClicked(IDC_REGISTER, [this] { RegisterRouteMap(); });
}

bool CDlgAlbumFiles::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_LATITUDE, m_strLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strLongitude);
    Initialise();
    return true;
}

// Also run after a registration, to list the registered points again.
void CDlgAlbumFiles::Initialise()
{
    SetDlgItemText(IDC_TITLE, m_strTitle);
    if (m_strKind.find("RouteMap") != std::string::npos) {
        SetDlgItemText(IDC_SECOND_TITLE, "");
        SetDlgItemText(IDC_REGISTER, "ﾙｰﾄ登録");
        m_strRegisterWord = "RouteMapRegist";
        SetWindowText("      ﾙｰﾄﾏｯﾌﾟに登録されたﾌｧｲﾙ");
        SetDlgItemText(IDC_PLAY_GROUP, "ﾙｰﾄﾏｯﾌﾟの表示方法");
        SetDlgItemText(IDC_NOTE, "");
    } else if (m_strKind == "AreaMap") {
        SetDlgItemText(IDC_SECOND_TITLE, m_strSecondTitle);
        SetDlgItemText(IDC_REGISTER, "ｴﾘｱ登録");
        m_strRegisterWord = "AreaMapRegist";
        SetWindowText(" エリア内のﾌｧｲﾙ (中心 N" + m_strCentreLatitude + ", E" + m_strCentreLongitude + ")");
        SetDlgItemText(IDC_PLAY_GROUP, "ｴﾘｱﾏｯﾌﾟの表示方法");
        SetDlgItemText(IDC_NOTE, "");
    } else {
        SetDlgItemText(IDC_SECOND_TITLE, m_strSecondTitle);
        SetDlgItemText(IDC_REGISTER, "****");
        m_strRegisterWord.clear();
    }

    if (IsRouteOrArea(m_strKind)) {
        m_list = PointList{};
        for (const std::string& line : m_astrLine) {
            if (line.empty() || line == kPointListEnd || m_list.count >= PointList::kMaxEntries)
                break;
            m_list.entry[m_list.count++] = PackPointLine(line);
        }
    } else {
        m_list = ReadPointList(m_strKind, PointListFilter::Full);
    }

    auto* points = item<vd::ListBox>(IDC_POINTS);
    points->ResetContent();
    for (int i = 0; i < m_list.count; ++i)
        points->AddString(ListedPart(m_list.entry[i]));
    m_nCount = m_list.count;
    ShowPointCount(*this, m_list, kPointListControls);

    CheckRadioButton(IDC_AUTO, IDC_MANUAL, m_strPlayMode == "AUTO" ? IDC_AUTO : IDC_MANUAL);
    points->SetCurSel(0);
    ShowPointEntry(*this, m_list, 0, kPointListControls);
}

void CDlgAlbumFiles::OnSelchangeList()
{
    const int selection = item<vd::ListBox>(IDC_POINTS)->GetCurSel();
    ShowPointEntry(*this, m_list, selection, kPointListControls);
    ShowPointPosition(*this, m_list, selection, kPointListControls);
}

void CDlgAlbumFiles::RegisterRouteMap()
{
    if (m_strRegisterWord.empty())
        return;
    const int nameKind = m_strKind == "AreaMap" ? 3 : 2;
    CDlgRouteRegist names;
    names.m_strKind = m_strKind;
    for (int i = 0; i < m_list.count; ++i)
        names.m_entries.entry[i] = m_list.entry[i];
    names.m_entries.count = m_list.count;
    if (names.DoModal() != vd::IDOK)
        return;
    const std::string mapName = RouteNameText(names.m_strRouteName);
    if (!RegisterRouteFile(m_strRouteFolder, nameKind, mapName, m_list)) {
        vd::ui::AfxMessageBox("ﾙｰﾄﾌｫﾙﾀﾞ " + m_strRouteFolder + " に " + RouteMasterFileName(nameKind) +
                              " とﾙｰﾄﾌｧｲﾙを書き込めません。登録されていません。");
        return;
    }
    Initialise();
}

extern "C" std::string OnRouteRegistModule(int areaShape, int areaSizeKm, std::string routeFolder, std::string,
                                           std::string, std::string kind, std::string title,
                                           std::string secondTitle, std::string longitude, std::string latitude,
                                           std::string centreLatitude, std::string centreLongitude,
                                           std::string routePlayMode, std::string albumPlayMode,
                                           std::string pointLines)
{
    return RunEntryPoint(std::string("cancel"), [&] {
        CDlgAlbumFiles dialog;
        const bool routeOrArea = IsRouteOrArea(kind);
        if (kind == "AreaMap")
            secondTitle = AreaRangeText(areaShape, areaSizeKm);
        dialog.m_strPlayMode = routeOrArea ? routePlayMode : albumPlayMode;
        if (routeOrArea) {
            std::size_t start = 0;
            for (std::string& line : dialog.m_astrLine) {
                const std::size_t bar = pointLines.find('|', start);
                line = pointLines.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
                if (line == kPointListEnd || bar == std::string::npos)
                    break;
                start = bar + 1;
            }
        }
        dialog.m_strRouteFolder = std::move(routeFolder);
        dialog.m_strKind = std::move(kind);
        dialog.m_strTitle = std::move(title);
        dialog.m_strSecondTitle = std::move(secondTitle);
        dialog.m_strLongitude = std::move(longitude);
        dialog.m_strLatitude = std::move(latitude);
        dialog.m_strCentreLatitude = std::move(centreLatitude);
        dialog.m_strCentreLongitude = std::move(centreLongitude);
        if (dialog.DoModal() != vd::IDOK)
            return std::string("cancel");
        return dialog.m_strPlayMode;
    });
}
