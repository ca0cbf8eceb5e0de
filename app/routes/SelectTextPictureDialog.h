#pragma once
// The text or picture selection (template 136): the registered points of the current data file
// that have a text (mode "TEXT") or a picture ("BMP"), narrowed to a region or a user division,
// with the chosen point's coordinates and files. A double click on an entry chooses it at once.
#include "app/registration/RegionDivisionDialog.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

// The dialog's control ids (template 136).
namespace selecttextpictureids {
inline constexpr int IDC_COUNT = 102;
inline constexpr int IDC_LONGITUDE = 103;
inline constexpr int IDC_LATITUDE = 105;
inline constexpr int IDC_REGION = 113;
inline constexpr int IDC_LIST = 125;
inline constexpr int IDC_DIVISION_SETTINGS = 133;
inline constexpr int IDC_TEXT_FILE = 1000;
inline constexpr int IDC_PICTURE_FILE = 1001;
inline constexpr int IDC_SHOWN_MAP = 1064;
// The fixed region buttons: 全国, 北海道, 東北, 関東信越, 近畿中部, 中国四国, 九州沖縄.
inline constexpr int IDC_ALL_REGIONS = 112;
inline constexpr int IDC_HOKKAIDO = 119;
inline constexpr int IDC_TOHOKU = 120;
inline constexpr int IDC_KANTO_SHINETSU = 121;
inline constexpr int IDC_KINKI_CHUBU = 122;
inline constexpr int IDC_CHUGOKU_SHIKOKU = 123;
inline constexpr int IDC_KYUSHU_OKINAWA = 124;
inline constexpr int kRegionButtons[] = {IDC_ALL_REGIONS, IDC_HOKKAIDO,        IDC_TOHOKU,        IDC_KANTO_SHINETSU,
                                         IDC_KINKI_CHUBU, IDC_CHUGOKU_SHIKOKU, IDC_KYUSHU_OKINAWA};
// The division buttons of divisions 0-5.
inline constexpr int kDivisionButtons[] = {117, 114, 126, 115, 116, 109};
} // namespace selecttextpictureids

class CDlgSelectTextPicture : public vd::Dialog {
public:
    enum { IDD = 136 };
    static constexpr int kRecords = 5000;
    CDlgSelectTextPicture();

    int m_nSelectedRecord = -1;
    std::array<std::int16_t, kRecords> m_anListIndex{};
    int m_bDivisionsChanged = 0;
    std::string m_strRegion;
    std::string m_strSelected; // in: the entry to preselect; out: the chosen entry's text
    std::string m_strName, m_strItem, m_strFile1, m_strFile2;
    std::array<std::string, kRecords> m_astrRecord;    // name "/" item "@" file1 "$" lat "$" lon ["$" file2]
    std::array<std::string, kRecords> m_astrLongitude;
    std::array<std::string, kRecords> m_astrLatitude;
    std::string m_strEast, m_strWest, m_strNorth, m_strSouth;
    std::string m_strMode; // "TEXT" or "BMP"
    RegionDivisions m_divisions;
    std::string m_strFrameNorth, m_strFrameEast, m_strFrameSouth, m_strFrameWest;

    bool OnInitDialog() override;

private:
    void FillList();
    void SetRegion(const std::string& region);
    void OnSelchange();
    void OnDoubleClick();
    void ParseEntry(int listPosition, bool show);
    void ShowDivisionNames();
    void OnDivisionSettings();
};
