#pragma once
// The route or area map shown: its lines ("999" after the last) and their screen points, whether
// it is an area map, how its pages play, the centre of the last area search. The route commands
// load it; the view places and draws it. Its long lists are built when a route is first loaded.
#include "app/document/LazyArray.h"
#include "platform/dc/Geometry.h"

#include <array>
#include <string>

struct RouteState {
    LazyArray<std::string, 5000> m_astrRoutePoint;
    LazyArray<vd::Point, 5000> m_aptRoutePoint; // screen points of the route being shown
    int m_nRouteLineCount = 0;
    std::string m_strRoutePlayMode = "AUTO";
    std::string m_strEntryMode;                          // "AreaData" while an area map is shown
    std::string m_strAreaCentreLat, m_strAreaCentreLon;  // the centre of the last area search (D.MMSS)
};
