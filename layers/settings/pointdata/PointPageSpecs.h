#pragma once
// The pages of the point dialogs as tables: each row's slot, its controls' ids, label items and
// column range, and the page's own item group and 大分類 list. The page classes bind these ids and
// the templates are laid out from the same tables; `white` gives the white map's form of a page.
#include "layers/settings/pointdata/PointPage.h"

// 土地A's year list on the detailed map.
inline constexpr int kLandPriceYearList = 1716;

const PointPageSpec& FacilitySpec(bool white);   // 施設 (236, white 261)
const PointPageSpec& HydrologySpec(bool white);  // 水文 (240, white 260)
const PointPageSpec& CoastSpec();                // 沿岸域 (241, both maps)
const PointPageSpec& LandPriceASpec(bool white); // 土地A (160, white 255)
const PointPageSpec& LandPriceBSpec(bool white); // 土地B (149, white 256)
const PointPageSpec& ByPrefectureSpec();         // 点Ａ (141, both maps)
const PointPageSpec& NationwideSpec();           // 点Ｂ (237, both maps)
