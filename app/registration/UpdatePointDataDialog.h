#pragma once
// The registered data update dialog (template 132 "登録ﾃﾞｰﾀの更新"): lists the points of the
// current data file narrowed to a fixed region or a user division, shows the picked point's
// name, item, coordinates, text and picture file for editing, and deletes the shown point's line
// from the file. The caller fills the records and settings, runs it modally and takes the fields
// back on OK; m_nState -3 after the dialog tells of a deletion.
#include "app/registration/RegionDivisionDialog.h"
#include "basemap/projection/RegionBounds.h"
#include "platform/ui/Dialog.h"

#include <cstdint>
#include <string>
#include <vector>

// The dialog's control ids (template 132).
namespace updatepointids {
inline constexpr int IDC_REGION = 101;
inline constexpr int IDC_ITEM = 104;
inline constexpr int IDC_NAME = 105;
inline constexpr int IDC_LIST = 128;
inline constexpr int IDC_LATITUDE = 129;
inline constexpr int IDC_LONGITUDE = 130;
inline constexpr int IDC_COUNT = 131;
inline constexpr int IDC_TEXT_FILE = 132;
inline constexpr int IDC_TEXT_CHOOSER = 133;
inline constexpr int IDC_END_UPDATE = 134;
inline constexpr int IDC_PICTURE_FILE = 1000;
inline constexpr int IDC_PICTURE_CHOOSER = 1007;
inline constexpr int IDC_DELETE_LINE = 1023;
inline constexpr int IDC_DIVISION_SETTINGS = 1046;
// The region buttons: 全国, 北海道, 東北, 関東信越, 近畿中部, 中国四国, 九州沖縄.
inline constexpr int IDC_ALL_REGIONS = 103;
inline constexpr int IDC_HOKKAIDO = 109;
inline constexpr int IDC_TOHOKU = 114;
inline constexpr int IDC_KANTO_SHINETSU = 115;
inline constexpr int IDC_KINKI_CHUBU = 116;
inline constexpr int IDC_CHUGOKU_SHIKOKU = 117;
inline constexpr int IDC_KYUSHU_OKINAWA = 119;
inline constexpr int kRegionButtons[] = {IDC_ALL_REGIONS, IDC_HOKKAIDO,        IDC_TOHOKU,        IDC_KANTO_SHINETSU,
                                         IDC_KINKI_CHUBU, IDC_CHUGOKU_SHIKOKU, IDC_KYUSHU_OKINAWA};
// The six user division buttons, in the order of the divisions.
inline constexpr int IDC_FIRST_DIVISION = 120;
inline constexpr int kDivisionButtons[6] = {IDC_FIRST_DIVISION, 121, 122, 123, 124, 126};
} // namespace updatepointids

class CDlgUpdatePointData : public vd::Dialog {
public:
    enum { IDD = 132 };
    static constexpr int kRecordRoom = 5000;
    static constexpr int kDeleted = -3;

    explicit CDlgUpdatePointData(vd::Window* parent = nullptr);

    std::vector<std::int16_t> m_anListIndex;
    int m_nSelectedRecord = -1;
    int m_nState = 0;
    int m_bDivisionsChanged = 0;
    std::string m_strRegion;
    std::string m_strNorth, m_strSouth, m_strEast, m_strWest;
    // One entry per record ("" = no point), with its coordinates at the same index.
    std::vector<std::string> m_astrRecord;
    std::vector<std::string> m_astrLongitude;
    std::vector<std::string> m_astrLatitude;
    std::string m_strTextFile;
    std::string m_strName;
    std::string m_strItem;
    std::string m_strLongitude;
    std::string m_strLatitude;
    std::string m_strPictureFile;
    std::string m_strPickedFile;
    std::string m_strDataFile;
    std::string m_strMouseState;
    std::string m_strClickLongitude;
    std::string m_strClickLatitude;
    RegionDivisions m_divisions;

    bool OnInitDialog() override;

private:
    void FillList();
    void ShowEntry(int record, bool pick);
    void OnRegionButton(int id);
    void OnListSelChange();
    void OnTextFileButton();
    void OnPictureFileButton();
    void OnEndUpdate();
    void OnDivisionSettings();
    void OnDeleteLine();
    void ShowDivisionNames();
    void ApplyRegionBounds();
};
