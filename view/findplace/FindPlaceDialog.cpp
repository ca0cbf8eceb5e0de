#include "view/findplace/FindPlaceDialog.h"

#include "basemap/projection/CoordinateText.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/window/ViewMessages.h"

#include <optional>

namespace {

using namespace vd::ui;

using namespace findplaceids;

constexpr std::string_view kScreenMap = "表示地図";

DialogTemplate FindPlaceTemplate()
{
    DialogTemplate t;
    t.id = CDlgFindPlace::IDD;
    t.caption = "  地点を探す";
    t.controls = {
        ltext(vd::IDC_STATIC, "Ｎ"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "Ｅ"),
        edit(IDC_LONGITUDE),
        ltext(vd::IDC_STATIC, "コード"),
        ltext(IDC_MESH_CODE, ""),
        groupBox(vd::IDC_STATIC, "地域"),
        edit(IDC_REGION),
        pushButton(IDC_WHOLE_COUNTRY, "全国"),
        pushButton(IDC_HOKKAIDO, "北海道"),
        pushButton(IDC_TOHOKU, "東北"),
        pushButton(IDC_KANTO_SHINETSU, "関東信越"),
        pushButton(IDC_KINKI_CHUBU, "近畿中部"),
        pushButton(IDC_CHUGOKU_SHIKOKU, "中国四国"),
        pushButton(IDC_KYUSHU_OKINAWA, "九州沖縄"),
        pushButton(IDC_SCREEN_MAP, std::string(kScreenMap)),
        ltext(vd::IDC_STATIC, "文字列"),
        comboBox(IDC_SEARCH, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_SEARCH_BUTTON, "検索"),
        // Checked and cleared by the program only.
        checkBox(IDC_PLACES, "地点", {}, vd::BS_CHECKBOX | vd::WS_GROUP),
        checkBox(IDC_REGISTERED, "登録地点", {}, vd::BS_CHECKBOX | vd::WS_GROUP),
        listBox(IDC_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        edit(IDC_NAME),
        ltext(IDC_COUNT, ""),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {FindPlaceTemplate()});

// A text cut at its first blank, unless the blank opens it.
std::string CutAtBlank(std::string text)
{
    const std::size_t blank = text.find(' ');
    if (blank != std::string::npos && blank > 0)
        text.resize(blank);
    return text;
}

// The blank-separated fields of a place-name line (runs of blanks separate once).
std::vector<std::string_view> BlankFields(std::string_view line, std::size_t wanted)
{
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (fields.size() < wanted) {
        pos = line.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        fields.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return fields;
}

// A bound in tenths of an arc-second; nullopt when the region sets none.
std::optional<long long> TenthSeconds(const std::string& dms)
{
    if (dms.empty())
        return std::nullopt;
    return static_cast<long long>(DmsToSeconds(dms)) * 10;
}

std::string MunicipalityPlace(std::string_view record)
{
    return CutAtBlank(vd::textField(record, 12, 12));
}

// The mode-3 entry: the place, with its municipality in front when the place is a ward ("区"
// after its first character) and so says little alone.
std::string MunicipalityEntry(std::string_view record)
{
    std::string entry = MunicipalityPlace(record);
    const std::size_t ward = entry.find("区");
    if (ward != std::string::npos && ward > 0)
        entry = CutAtBlank(vd::textField(record, 0, 12)) + entry;
    return entry;
}

} // namespace

std::string MeshCodeOfDms(std::string_view latitude, std::string_view longitude)
{
    const std::size_t point = latitude.find('.');
    const long long degrees = vd::parseInt(latitude.substr(0, point));
    const long long mmss = point == std::string_view::npos ? 0 : vd::parseInt(latitude.substr(point + 1));
    const long long row = (mmss / 100 + degrees * 60) / 40;
    const long long column = static_cast<long long>(vd::parseInt(longitude)) - 100;
    return vd::format("%2lld%2lld", row, column);
}

std::string TenthSecondsToDms(int value)
{
    const int seconds = (value / 10) % 3600;
    return vd::format("%d.%02d%02d", value / 36000, seconds / 60, seconds % 60);
}

CDlgFindPlace::CDlgFindPlace(vd::Window* owner) : m_pOwner(owner)
{
    connect();
}

bool CDlgFindPlace::Create()
{
    return vd::Dialog::Create(IDD, nullptr);
}

void CDlgFindPlace::connect()
{
    OnClicked(IDC_WHOLE_COUNTRY, [this] { OnRegionButton(IDC_WHOLE_COUNTRY); });
    OnControlRange(vd::BN_CLICKED, IDC_FIRST_REGION, IDC_LAST_REGION, [this](int id) { OnRegionButton(id); });
    OnClicked(IDC_SCREEN_MAP, [this] { OnRegionButton(IDC_SCREEN_MAP); });
    OnClicked(IDC_SEARCH_BUTTON, [this] { OnSearch(); });
    OnClicked(IDC_PLACES, [this] { OnPlacesCheck(); });
    OnClicked(IDC_REGISTERED, [this] { OnRegisteredCheck(); });
    OnControl(vd::LBN_SELCHANGE, IDC_LIST, [this] { OnListSelChange(); });
    OnControl(vd::LBN_DBLCLK, IDC_LIST, [this] { OnOK(); });
}

bool CDlgFindPlace::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    // The box shows the text the list is filtered by.
    SetDlgItemText(IDC_SEARCH, m_strSearch);
    FillList();
    return true;
}

void CDlgFindPlace::FillList()
{
    if (m_strRegion == kScreenMap)
        m_bounds = {m_strFrameNorth, m_strFrameSouth, m_strFrameWest, m_strFrameEast};
    else
        ApplyRegionBounds(m_strRegion, m_bounds);
    const bool wholeCountry = m_strRegion == "全国";
    // Municipality records hold tenths of an arc-second: the bounds are converted once a fill.
    const std::optional<long long> north = TenthSeconds(m_bounds.north), south = TenthSeconds(m_bounds.south),
                                   east = TenthSeconds(m_bounds.east), west = TenthSeconds(m_bounds.west);
    if (m_nPlaceMode == 3) {
        SetDlgItemText(IDC_PLACES, "");
        SetDlgItemText(IDC_REGISTERED, "");
    }
    SetDlgItemText(IDC_REGION, m_strRegion);

    auto* list = item<vd::ListBox>(IDC_LIST);
    if (!list)
        return;
    list->ResetContent();
    m_anListIndex.clear();
    const int records = std::min<int>(int(m_astrRecord.size()), kRecordRoom);
    for (int i = 0; i < records; ++i) {
        const std::string& record = m_astrRecord[std::size_t(i)];
        if (record == "999")
            break;
        if (record.empty())
            continue;
        std::string entry;
        if (m_nPlaceMode == 3) {
            if (!m_strSearch.empty() && vd::textField(record, 12, 12).find(m_strSearch) == std::string::npos)
                continue;
            if (!wholeCountry) {
                const long long longitude = vd::parseInt(vd::rawField(record, 25, 7));
                const long long latitude = vd::parseInt(vd::rawField(record, 33, 7));
                if ((east && *east < longitude) || (west && *west > longitude) || (north && *north < latitude) ||
                    (south && *south > latitude))
                    continue;
            }
            entry = MunicipalityEntry(record);
        } else {
            if (!m_strSearch.empty() && record.find(m_strSearch) == std::string::npos)
                continue;
            if (!wholeCountry) {
                const std::vector<std::string_view> fields = BlankFields(record, 3);
                if (!WithinRegionBounds(m_bounds, fields.size() > 1 ? fields[1] : "",
                                        fields.size() > 2 ? fields[2] : ""))
                    continue;
            }
            entry = record.substr(0, record.find(' '));
        }
        list->AddString(entry);
        m_anListIndex.push_back(i);
    }
    m_nCount = int(m_anListIndex.size());
    SetDlgItemText(IDC_COUNT, vd::format(m_nCount > 9999 ? "地点=%d" : "地点数=%d", m_nCount));
    if (m_nPlaceMode < 3) {
        if (m_nPlaceMode == 1 || m_nPlaceMode == 2)
            CheckDlgButton(IDC_PLACES, 1);
        if (m_bShowRegistered == 1)
            CheckDlgButton(IDC_REGISTERED, m_nPlaceMode == 2 ? 0 : 1);
    }
}

void CDlgFindPlace::OnRegionButton(int id)
{
    m_strRegion = id == IDC_SCREEN_MAP ? std::string(kScreenMap) : GetDlgItemText(id);
    m_strSearch = GetDlgItemText(IDC_SEARCH);
    FillList();
}

void CDlgFindPlace::OnSearch()
{
    m_strSearch = GetDlgItemText(IDC_SEARCH);
    auto* combo = item<vd::ComboBox>(IDC_SEARCH);
    if (combo && combo->FindString(-1, m_strSearch) < 0)
        combo->AddString(m_strSearch);
    FillList();
}

void CDlgFindPlace::OnPlacesCheck()
{
    switch (m_nPlaceMode) {
    case 3:
        CheckDlgButton(IDC_PLACES, 0);
        return;
    case 2:
        CheckDlgButton(IDC_PLACES, 1);
        return;
    case 1:
        m_nPlaceMode = 0;
        CheckDlgButton(IDC_PLACES, 0);
        if (m_bShowRegistered != 1) {
            m_bShowRegistered = 1;
            CheckDlgButton(IDC_REGISTERED, 1);
        }
        break;
    default:
        m_nPlaceMode = 1;
        CheckDlgButton(IDC_PLACES, 1);
        break;
    }
    ReportOk();
}

void CDlgFindPlace::OnRegisteredCheck()
{
    if (m_nPlaceMode == 2 || m_nPlaceMode == 3) {
        CheckDlgButton(IDC_REGISTERED, 0);
        return;
    }
    if (m_bShowRegistered == 1) {
        m_bShowRegistered = 0;
        CheckDlgButton(IDC_REGISTERED, 0);
        if (m_nPlaceMode == 0) {
            m_nPlaceMode = 1;
            CheckDlgButton(IDC_PLACES, 1);
        }
    } else {
        m_bShowRegistered = 1;
        CheckDlgButton(IDC_REGISTERED, 1);
    }
    ReportOk();
}

void CDlgFindPlace::OnListSelChange()
{
    auto* list = item<vd::ListBox>(IDC_LIST);
    if (list)
        PickEntry(list->GetCurSel());
}

void CDlgFindPlace::PickEntry(int position)
{
    if (position < 0 || position >= int(m_anListIndex.size()))
        return;
    m_nListPos = position;
    const int index = m_anListIndex[std::size_t(position)];
    SetDlgItemText(IDC_COUNT, vd::format("No.%4d", index));
    const std::string& record = m_astrRecord[std::size_t(index)];
    if (m_nPlaceMode == 3) {
        m_strPlaceName = MunicipalityPlace(record);
        m_strPickedCode = vd::textField(record, 40, 5);
        m_strPickedLatitude = TenthSecondsToDms(vd::parseInt(vd::rawField(record, 33, 7)));
        m_strPickedLongitude = TenthSecondsToDms(vd::parseInt(vd::rawField(record, 25, 7)));
    } else {
        m_strPickedRecord = record;
        const std::vector<std::string_view> fields = BlankFields(record, 3);
        m_strPlaceName = fields.empty() ? "" : std::string(fields[0]);
        m_strPickedLatitude = fields.size() > 1 ? std::string(fields[1]) : "";
        m_strPickedLongitude = fields.size() > 2 ? std::string(fields[2]) : "";
    }
    SetDlgItemText(IDC_NAME, m_strPlaceName);
    SetDlgItemText(IDC_LATITUDE, " " + m_strPickedLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strPickedLongitude);
    m_strMeshCode = MeshCodeOfDms(m_strPickedLatitude, m_strPickedLongitude);
    SetDlgItemText(IDC_MESH_CODE, m_strMeshCode);
}

void CDlgFindPlace::Post(int wParam)
{
    if (m_pOwner)
        m_pOwner->PostMessage(WM_VIEWDIALOGDONE, std::uintptr_t(wParam), 0);
}

void CDlgFindPlace::ReportOk()
{
    if (m_nModelessState == 0) {
        vd::Dialog::OnOK();
        return;
    }
    m_nModelessState = 2;
    Post(1);
}

void CDlgFindPlace::OnOK()
{
    if (m_nModelessState == 0) {
        OnListSelChange();
        vd::Dialog::OnOK();
        return;
    }
    m_strPlaceName = GetDlgItemText(IDC_NAME);
    m_strRegion = GetDlgItemText(IDC_REGION);
    m_strSearch = GetDlgItemText(IDC_SEARCH);
    m_nModelessState = 2;
    Post(1);
}

void CDlgFindPlace::OnCancel()
{
    if (m_nModelessState == 0) {
        vd::Dialog::OnCancel();
        return;
    }
    m_nModelessState = -2;
    Post(2);
}

void CDlgFindPlace::OnClose()
{
    if (m_nModelessState == 0) {
        vd::Dialog::OnClose();
        return;
    }
    m_nModelessState = 3;
    Post(2);
}
