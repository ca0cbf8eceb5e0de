#include "app/registration/UpdatePointDataDialog.h"

#include "app/registration/PictureFileChooser.h"
#include "app/registration/PointRecordText.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
#include "userdata/RecordLines.h"

namespace {

using namespace vd::ui;
using namespace updatepointids;

DialogTemplate UpdatePointDataTemplate()
{
    DialogTemplate t;
    t.id = CDlgUpdatePointData::IDD;
    t.caption = "              登録ﾃﾞｰﾀの更新";
    t.controls = {
        ltext(vd::IDC_STATIC, "地名"),
        edit(IDC_NAME),
        ltext(vd::IDC_STATIC, "項目"),
        edit(IDC_ITEM),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE),
        edit(IDC_TEXT_FILE),
        pushButton(IDC_TEXT_CHOOSER, "ﾌｧｲﾙ"),
        edit(IDC_PICTURE_FILE),
        pushButton(IDC_PICTURE_CHOOSER, "ﾌｧｲﾙ"),
        ltext(vd::IDC_STATIC, "ｳｪﾌﾞﾍﾟｰｼﾞはﾃｷｽﾄﾌｧｲﾙ欄で更新してください！"),
        listBox(IDC_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL),
        ltext(IDC_COUNT, ""),
        groupBox(vd::IDC_STATIC, "地域"),
    };
    const char* regionNames[] = {"全国", "北海道", "東北", "関東信越", "近畿中部", "中国四国", "九州沖縄"};
    for (int i = 0; i < 7; ++i)
        t.controls.push_back(pushButton(kRegionButtons[i], regionNames[i]));
    t.controls.push_back(edit(IDC_REGION));
    t.controls.push_back(groupBox(vd::IDC_STATIC, "区域"));
    for (int id : kDivisionButtons)
        t.controls.push_back(pushButton(id, ""));
    const std::vector<ControlTemplate> rest = {
        pushButton(IDC_DIVISION_SETTINGS, "区分設定"),
        pushButton(IDC_END_UPDATE, "更新を終了"),
        pushButton(IDC_DELETE_LINE, "ｶｰｿﾙ行削除"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

const TemplateRegistration registration(kProgramModule, {UpdatePointDataTemplate()});

} // namespace

CDlgUpdatePointData::CDlgUpdatePointData(vd::Window* parent)
    : vd::Dialog(IDD, parent), m_anListIndex(kRecordRoom, 0), m_astrRecord(kRecordRoom),
      m_astrLongitude(kRecordRoom), m_astrLatitude(kRecordRoom)
{
    for (int id : kRegionButtons)
        OnClicked(id, [this, id] { OnRegionButton(id); });
    for (int id : kDivisionButtons)
        OnClicked(id, [this, id] { OnRegionButton(id); });
    OnControl(vd::LBN_SELCHANGE, IDC_LIST, [this] { OnListSelChange(); });
    OnClicked(IDC_TEXT_CHOOSER, [this] { OnTextFileButton(); });
    OnClicked(IDC_PICTURE_CHOOSER, [this] { OnPictureFileButton(); });
    OnClicked(IDC_END_UPDATE, [this] { OnEndUpdate(); });
    OnClicked(IDC_DIVISION_SETTINGS, [this] { OnDivisionSettings(); });
    OnClicked(IDC_DELETE_LINE, [this] { OnDeleteLine(); });
    OnControl(vd::EN_KILLFOCUS, IDC_TEXT_FILE, [this] { m_strTextFile = GetDlgItemText(IDC_TEXT_FILE); });
    OnControl(vd::EN_KILLFOCUS, IDC_LATITUDE, [this] { m_strLatitude = GetDlgItemText(IDC_LATITUDE); });
    OnControl(vd::EN_KILLFOCUS, IDC_LONGITUDE, [this] { m_strLongitude = GetDlgItemText(IDC_LONGITUDE); });
    OnControl(vd::EN_KILLFOCUS, IDC_NAME, [this] { m_strName = GetDlgItemText(IDC_NAME); });
    OnControl(vd::EN_KILLFOCUS, IDC_ITEM, [this] { m_strItem = GetDlgItemText(IDC_ITEM); });
    OnControl(vd::EN_KILLFOCUS, IDC_PICTURE_FILE, [this] { m_strPictureFile = GetDlgItemText(IDC_PICTURE_FILE); });
}

bool CDlgUpdatePointData::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillList();
    return true;
}

void CDlgUpdatePointData::ShowDivisionNames()
{
    for (int k = 0; k < 6; ++k)
        SetDlgItemText(kDivisionButtons[k], m_divisions.name[std::size_t(k)]);
}

// The fixed region's bounds, then a division of that name, which wins; another name leaves them.
void CDlgUpdatePointData::ApplyRegionBounds()
{
    RegionBounds bounds{m_strNorth, m_strSouth, m_strWest, m_strEast};
    ::ApplyRegionBounds(m_strRegion, bounds);
    for (std::size_t k = 0; k < 6; ++k) {
        if (m_divisions.name[k] == m_strRegion) {
            bounds = {m_divisions.neLatitude[k], m_divisions.swLatitude[k], m_divisions.swLongitude[k],
                      m_divisions.neLongitude[k]};
            break;
        }
    }
    m_strNorth = bounds.north;
    m_strSouth = bounds.south;
    m_strWest = bounds.west;
    m_strEast = bounds.east;
}

void CDlgUpdatePointData::FillList()
{
    ShowDivisionNames();
    ApplyRegionBounds();
    SetDlgItemText(IDC_REGION, m_strRegion);
    auto* list = item<vd::ListBox>(IDC_LIST);
    if (!list)
        return;
    list->ResetContent();
    const RegionBounds bounds{m_strNorth, m_strSouth, m_strWest, m_strEast};
    int count = 0;
    for (int i = 0; i < kRecordRoom; ++i) {
        const std::size_t at = std::size_t(i);
        if (m_astrRecord[at].empty() || !WithinRegionBounds(bounds, m_astrLatitude[at], m_astrLongitude[at]))
            continue;
        list->AddString(m_astrRecord[at].substr(0, m_astrRecord[at].find('@')));
        m_anListIndex[std::size_t(count++)] = std::int16_t(i);
    }
    SetDlgItemText(IDC_COUNT, vd::format("ﾌｧｲﾙ数=%d", count));

    for (int position = 0; position < count; ++position) {
        const int record = m_anListIndex[std::size_t(position)];
        if (vd::toLowerAscii(m_astrRecord[std::size_t(record)]).find(m_strTextFile) == std::string::npos)
            continue;
        list->SetCurSel(position);
        ShowEntry(record, false);
        break;
    }
}

// Shows a record's fields; a pick also remembers its text file as the key of the line to
// replace. A click on the map shows the click's coordinates, once.
void CDlgUpdatePointData::ShowEntry(int record, bool pick)
{
    m_nSelectedRecord = record;
    const PointEntryFields fields = ParseUpdateListEntry(m_astrRecord[std::size_t(record)]);
    m_strName = fields.name;
    m_strItem = fields.item;
    m_strTextFile = fields.textFile;
    m_strPictureFile = fields.pictureFile;
    m_strLatitude = fields.latitude;
    m_strLongitude = fields.longitude;
    if (pick) {
        m_strPickedFile = m_strTextFile;
    } else if (m_strMouseState == "MK_LBUTTON") {
        m_strLatitude = m_strClickLatitude;
        m_strLongitude = m_strClickLongitude;
        m_strMouseState.clear();
    }
    SetDlgItemText(IDC_NAME, m_strName);
    SetDlgItemText(IDC_ITEM, m_strItem);
    SetDlgItemText(IDC_TEXT_FILE, m_strTextFile);
    SetDlgItemText(IDC_PICTURE_FILE, m_strPictureFile);
    SetDlgItemText(IDC_LATITUDE, m_strLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strLongitude);
}

void CDlgUpdatePointData::OnRegionButton(int id)
{
    for (int k = 0; k < 6; ++k)
        if (kDivisionButtons[k] == id)
            m_strRegion = m_divisions.name[std::size_t(k)];
    // The fixed regions' buttons are in the table's order.
    const auto regions = RegionBoundsTable();
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (kRegionButtons[i] == id)
            m_strRegion = regions[i].name;
    FillList();
}

void CDlgUpdatePointData::OnListSelChange()
{
    auto* list = item<vd::ListBox>(IDC_LIST);
    const int position = list ? list->GetCurSel() : -1;
    if (position < 0 || position >= kRecordRoom)
        return;
    ShowEntry(m_anListIndex[std::size_t(position)], true);
}

void CDlgUpdatePointData::OnTextFileButton()
{
    // A cancelled chooser empties the field.
    m_strTextFile = ChooseTextOrWebPage();
    SetDlgItemText(IDC_TEXT_FILE, m_strTextFile);
}

void CDlgUpdatePointData::OnPictureFileButton()
{
    const std::string picture = ChoosePictureWithPreview();
    if (picture.empty())
        return;
    m_strPictureFile = picture;
    SetDlgItemText(IDC_PICTURE_FILE, m_strPictureFile);
}

void CDlgUpdatePointData::OnEndUpdate()
{
    m_nState = 0;
    EndDialog(-1);
}

void CDlgUpdatePointData::OnDivisionSettings()
{
    if (!EditRegionDivisions(m_divisions))
        return;
    ShowDivisionNames();
    m_bDivisionsChanged = 1;
}

void CDlgUpdatePointData::OnDeleteLine()
{
    if (m_strTextFile.empty() && m_strPictureFile.empty())
        return;
    m_strTextFile = vd::toLowerAscii(m_strTextFile);
    const std::string key = m_strTextFile.empty() ? vd::toLowerAscii(m_strPictureFile) : m_strTextFile;
    // The line goes only when one holds the file and the name; the user is told otherwise and
    // the dialog stays, since nothing was deleted.
    switch (RemoveKeyLine(m_strDataFile, key, m_strName)) {
    case KeyLineRemoval::Removed:
        break;
    case KeyLineRemoval::NotFound:
        AfxMessageBox("データファイルにこの地点の行がありません。", vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    default:
        AfxMessageBox("データファイルを書き換えられません: " + m_strDataFile, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    m_strTextFile.clear();
    m_strPictureFile.clear();
    m_strName.clear();
    m_strItem.clear();
    m_nState = kDeleted;
    EndDialog(-1);
}
