#pragma once
// The templates of the geology settings dialogs and their pages, registered in Dovanne's module
// ("Dovanne"), and their ids. The two containers share their control ids; each page kind has its
// own block of ids, one block for the natural-terrain pages and one for the land-classification
// pages. Within a block a class item is block + item (0 = the "all" item), an era item
// block + kEraItem + item, and a symbol radio block + kSymbolRadio + the symbol value it stands for.
#include "platform/ui/DialogTemplate.h"

#include <vector>

namespace geoids {

// Templates.
inline constexpr int kGeoSetDialog = 200;
inline constexpr int kGeoRockPage = 201;
inline constexpr int kGeoSoilPage = 202;
inline constexpr int kGeoTerrainPage = 203;
inline constexpr int kGeoValleyPage = 204;
inline constexpr int kNtrSetDialog = 210;
inline constexpr int kNtrRockPage = 211;
inline constexpr int kNtrSoilPage = 212;
inline constexpr int kNtrTerrainPage = 213;
inline constexpr int kNtrValleyPage = 214;

// Controls of both containers.
inline constexpr int kLayerSwitch = 1001;
inline constexpr int kThemeCaption = 1002;
inline constexpr int kDataText = 1003;
inline constexpr int kFileButton = 1004;
inline constexpr int kDataHeading = 1005; // "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", "土地分類ﾒｯｼｭ" / "谷密度ﾒｯｼｭ"
inline constexpr int kTabControl = 1006;
inline constexpr int kModeCaption = 1007;
inline constexpr int kMeshMapRadio = 1008;
inline constexpr int kAttributeRadio = 1009;

// Page blocks.
inline constexpr int kEraItem = 10;
inline constexpr int kSymbolRadio = 20;
inline constexpr int kGeoRockBlock = 1100;
inline constexpr int kGeoSoilBlock = 1140;
inline constexpr int kGeoTerrainBlock = 1180;
inline constexpr int kGeoValleyBlock = 1220;
inline constexpr int kNtrRockBlock = 1300;
inline constexpr int kNtrSoilBlock = 1340;
inline constexpr int kNtrTerrainBlock = 1380;
inline constexpr int kNtrValleyBlock = 1420;

} // namespace geoids

std::vector<vd::ui::DialogTemplate> GeoSettingsTemplates();
