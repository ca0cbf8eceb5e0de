#pragma once
// The pieces of the overview map that the depth-file builder and the distribution map share: the
// grey graticule, the outline files and the blue frame of a first-level mesh.
#include "platform/dc/Dc.h"
#include "submarine/SubmarineOverviewProjection.h"

#include <string>

inline constexpr vd::COLORREF kOverviewGraticuleGrey = vd::RGB(150, 150, 150);
inline constexpr vd::COLORREF kDepthFileFrameBlue = vd::RGB(0, 0, 255);
inline constexpr vd::COLORREF kOverviewBorderOrange = vd::RGB(255, 128, 0);

// Meridians 120-150 E in five-degree pieces from 20 to 50 N; parallels 50, 40 and 30 N (30 twice)
// from westEnd to eastEnd degrees east, each one straight line; with the selected pen.
void DrawSubmarineGraticule(vd::Dc& dc, const SubmarineOverviewProjection& projection, int westEnd, int eastEnd);

// Whether an overview point is outside the area of the Japan-only overview (north of 50 N or
// west of 115 E); such points are passed over with the pen kept down.
bool OutsideJapanOverview(const GeoPoint& p);

// An outline file (BN_JMAPA.DAT, FEBORDER.DAT) with the selected pen; a missing file draws
// nothing.
void DrawOverviewOutline(vd::Dc& dc, const std::string& winPath, const SubmarineOverviewProjection& projection,
                         bool japanOnly);

// The closed frame of a first-level mesh with the selected pen: from its south-west corner east,
// north, west and south again.
void DrawDepthMeshFrame(vd::Dc& dc, const SubmarineOverviewProjection& projection, int latitudeCode,
                        int longitudeCode, bool japanOnly);
