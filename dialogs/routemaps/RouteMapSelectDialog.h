#pragma once
// The route or area map choice (template 157, entry point OnRouteInformation): the registered maps
// of RoutMstr.dat or AreaMstr.dat, the points of the chosen one with the details of a point, the
// outside editor on its route file, automatic or manual play, and the master list's maintenance
// (dialog 156). The answer names the chosen map and the play mode.
#include "dialogs/files/PointListFile.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

// The dialog's control ids (template 157).
namespace routemapselectids {
inline constexpr int IDC_POINT_LIST = 1086;
inline constexpr int IDC_AUTO = 1087;
inline constexpr int IDC_MANUAL = 1088;
inline constexpr int IDC_MAP_COMBO = 1089;
inline constexpr int IDC_EDIT_DATA = 1090;
inline constexpr int IDC_UPDATE = 1091;
inline constexpr int IDC_MAP_COUNT = 1092;
inline constexpr int IDC_MAP_LABEL = 1093;
inline constexpr int IDC_DATA_GROUP = 1094;
inline constexpr int IDC_PLAY_GROUP = 1122;
} // namespace routemapselectids

class CDlgRouteMapSelect : public vd::Dialog {
public:
    enum { IDD = 157 };
    CDlgRouteMapSelect();

    int m_nKind = 0;              // 0 route maps, any other area maps
    std::string m_strPlayMode;    // "AUTO" or "MANUAL" (the caller's word until a button is pressed)
    std::string m_strEditor;
    std::string m_strRouteFolder; // ROUTAREA\, with a trailing backslash
    std::vector<std::string> m_astrMaster; // the master lines as stored, at most 512
    int m_nSelected = -1;         // -1 while nothing is chosen
    std::string m_strName;
    std::string m_strPath;
    PointList m_points;           // the chosen map's points

    bool OnInitDialog() override;

private:
    void LoadMasterList();
    void OnSelchangeMap();
    void OnSelchangePoint();
    void OnEditData();
    void OnUpdateMaster();
};
