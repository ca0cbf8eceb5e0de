#pragma once
// The name that the road layer's status box shows, whatever the settings row calls it.
inline constexpr const char* kRoadLayerName = "道路（線）";
