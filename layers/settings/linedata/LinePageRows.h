#pragma once
// The rows of the seven line-data pages: each row's file tab and row, its controls' ids, its
// attribute radios and option box. The page classes bind these ids and the templates are laid
// out from the same tables.
#include "layers/settings/linedata/LinePage.h"

#include <vector>

// 鉄道's "駅と駅名" box, which reads "駅" when the caller marks the call.
inline constexpr int kLineStationBox = 1294;

const std::vector<LineRowSpec>& RoadRailRows();     // 道路･鉄道等 (143)
const std::vector<LineRowSpec>& DataARows();        // 線ﾃﾞｰﾀA (132)
const std::vector<LineRowSpec>& LowlandRows();      // 低地 (233)
const std::vector<LineRowSpec>& EnvironmentRows();  // 環境 (133)
const std::vector<LineRowSpec>& ConservationRows(); // 保全 (162)
const std::vector<LineRowSpec>& FisheryRows();      // 漁業･港湾 (154)
const std::vector<LineRowSpec>& DataBRows();        // 線ﾃﾞｰﾀB (156)
