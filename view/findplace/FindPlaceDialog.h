#pragma once
// The find-a-place dialog (template 172 "  地点を探す"): lists the places the view hands it,
// narrowed by region and by a search text, and shows the picked place's coordinates and
// first-level mesh code. The view keeps one instance and runs it modeless, hearing of OK, Cancel
// and the close box through WM_VIEWDIALOGDONE; run modally it ends with OK or Cancel.
//
// Records of modes 0-2 are place-name lines in UTF-8: blank-separated fields, the first three
// being name, latitude and longitude (D.MMSS). Records of mode 3 (municipalities) keep the raw
// CP932 bytes of their fixed columns: 0-11 municipality, 12-23 place, 25-31 longitude and 33-39
// latitude in tenths of an arc-second, 40-44 code.
#include "basemap/projection/RegionBounds.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <string_view>
#include <vector>

// The dialog's control ids (template 172).
namespace findplaceids {
inline constexpr int IDC_PLACES = 1127;
inline constexpr int IDC_REGISTERED = 1128;
inline constexpr int IDC_NAME = 1150;
inline constexpr int IDC_MESH_CODE = 1185;
inline constexpr int IDC_LIST = 1187;
inline constexpr int IDC_LATITUDE = 1188;
inline constexpr int IDC_LONGITUDE = 1189;
inline constexpr int IDC_WHOLE_COUNTRY = 1190;
inline constexpr int IDC_REGION = 1191;
// The region buttons 北海道, 東北, 関東信越, 近畿中部, 中国四国, 九州沖縄.
inline constexpr int IDC_HOKKAIDO = 1192;
inline constexpr int IDC_TOHOKU = 1193;
inline constexpr int IDC_KANTO_SHINETSU = 1194;
inline constexpr int IDC_KINKI_CHUBU = 1195;
inline constexpr int IDC_CHUGOKU_SHIKOKU = 1196;
inline constexpr int IDC_KYUSHU_OKINAWA = 1197;
inline constexpr int IDC_FIRST_REGION = IDC_HOKKAIDO;
inline constexpr int IDC_LAST_REGION = IDC_KYUSHU_OKINAWA;
inline constexpr int IDC_COUNT = 1198;
inline constexpr int IDC_SCREEN_MAP = 1063;
inline constexpr int IDC_SEARCH_BUTTON = 1375;
inline constexpr int IDC_SEARCH = 1377;
} // namespace findplaceids

class CDlgFindPlace : public vd::Dialog {
public:
    enum { IDD = 172 };
    // Room of the record list, the "999" end mark included.
    static constexpr int kRecordRoom = 30000;

    explicit CDlgFindPlace(vd::Window* owner);
    bool Create(); // the modeless window, without a parent

    vd::Window* m_pOwner = nullptr;
    int m_nListPos = -1;
    int m_nModelessState = 0; // 0 modal; 1 modeless; 2 after OK, 3 after closing, -2 after Cancel
    int m_nPlaceMode = 1;     // 0-2 place-name lines, 3 fixed-column records
    int m_bShowRegistered = 0;
    int m_nCount = 0;
    std::vector<int> m_anListIndex;
    std::vector<std::string> m_astrRecord; // "999" ends the list
    bool m_bListFilled = false;
    std::string m_strRegion = "全国";
    std::string m_strPlaceName;
    std::string m_strMeshCode;
    std::string m_strSearch;
    std::string m_strPickedRecord;
    std::string m_strPickedLongitude;
    std::string m_strPickedLatitude;
    std::string m_strPickedCode;
    // The map on screen, for "表示地図".
    std::string m_strFrameNorth, m_strFrameEast, m_strFrameSouth, m_strFrameWest;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;

    // Lists the records of the region and search text; picks the entry at a list position.
    void FillList();
    void PickEntry(int position);

private:
    RegionBounds m_bounds;

    void connect();
    void OnRegionButton(int id);
    void OnSearch();
    void OnPlacesCheck();
    void OnRegisteredCheck();
    void OnListSelChange();
    void ReportOk();
    void Post(int wParam);
};

// The first-level mesh code of a D.MMSS latitude and longitude: "34.4000", "135.0000" -> "5235".
std::string MeshCodeOfDms(std::string_view latitude, std::string_view longitude);

// Tenths of an arc-second as a D.MMSS text: 1250000 -> "34.4320".
std::string TenthSecondsToDms(int value);
