#pragma once
// Names a route or area map before it is registered (template 153): the points listed, their
// count, and the map's name, proposed as the first point's name with the count.
#include "dialogs/files/PointListFile.h"
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 153).
namespace routeregistids {
inline constexpr int IDC_POINTS = 1063;
inline constexpr int IDC_COUNT = 1064;
inline constexpr int IDC_NAME = 1065;
inline constexpr int IDC_KIND = 1090;
} // namespace routeregistids

class CDlgRouteRegist : public vd::Dialog {
public:
    enum { IDD = 153 };
    CDlgRouteRegist();

    std::string m_strKind; // "RouteMap" or "AreaMap"
    PointList m_entries;
    std::string m_strRouteName;

    bool OnInitDialog() override;
    void OnOK() override;
};

// The proposed name: the first entry's name (the part before "@", cut at "#"), "(計", the count
// text and ")".
std::string DefaultRouteName(const std::string& firstEntry, const std::string& countText);
