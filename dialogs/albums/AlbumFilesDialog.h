#pragma once
// The points of a route, an area or an album (template 149): listed with the chosen one's
// details, the choice between automatic and manual play, and, for routes and areas, "ﾙｰﾄ登録" /
// "ｴﾘｱ登録", which registers the list as a route or area map (RouteFile and master line).
#include "dialogs/files/PointListFile.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The dialog's control ids (template 149).
namespace albumfilesids {
inline constexpr int IDC_OK = 103;
inline constexpr int IDC_LATITUDE = 107;
inline constexpr int IDC_LONGITUDE = 108;
inline constexpr int IDC_POINTS = 128;
inline constexpr int IDC_AUTO = 136;
inline constexpr int IDC_MANUAL = 137;
inline constexpr int IDC_TITLE = 1034;
inline constexpr int IDC_SECOND_TITLE = 1035;
inline constexpr int IDC_PLAY_GROUP = 1060;
inline constexpr int IDC_NOTE = 1061;
inline constexpr int IDC_REGISTER = 1062;
} // namespace albumfilesids

class CDlgAlbumFiles : public vd::Dialog {
public:
    enum { IDD = 149 };
    CDlgAlbumFiles();

    std::string m_strRouteFolder;
    std::string m_strKind; // "RouteMap", "AreaMap" or the album file's path
    std::string m_strTitle;
    std::string m_strSecondTitle;
    std::string m_strCentreLatitude;
    std::string m_strCentreLongitude;
    std::string m_strLatitude;
    std::string m_strLongitude;
    std::string m_strPlayMode;     // AlbumPlayMode: "AUTO" or "MANUAL" (the caller's text until a radio is pressed)
    std::string m_strRegisterWord; // "RouteMapRegist", "AreaMapRegist" or "" (album)
    PointList m_list;
    std::array<std::string, PointList::kTableSize> m_astrLine; // the caller's point lines
    int m_nCount = 0;

    bool OnInitDialog() override;

private:
    void Initialise();
    void OnSelchangeList();
    void RegisterRouteMap();
};

// The second title of an area: "辺長%dkmの圏内" (square) or "半径%dkmの圏内" with half the size.
std::string AreaRangeText(int areaShape, int areaSizeKm);
