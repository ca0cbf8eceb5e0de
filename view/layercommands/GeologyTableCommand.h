#pragma once
// The view's geology composition table (32782): the map picture kept when a layer is on, the
// table drawn by Dovanne's OnG4LegendTable in the repaint of view state "GEOLEND", and the
// "地図" button of that repaint bringing the map back.
#include "platform/dc/Geometry.h"

namespace vd {
class Dc;
}
class CVeldoranView;

inline constexpr int ID_GEOLOGY_TABLE = 32782;
// The table's page: its frame reaches (845, 688).
inline constexpr vd::Size kGeologyTablePage{850, 693};

void OnGeologyTable(CVeldoranView& view);
// False when Dovanne has no table to draw.
bool DrawGeologyCompositionTable(CVeldoranView& view, vd::Dc& dc);
// Connects the command to the view.
void ConnectGeologyTableCommand(CVeldoranView& view);
