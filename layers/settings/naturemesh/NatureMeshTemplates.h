#pragma once
// The templates of the natural-environment mesh dialog: the container 235 and its five theme
// pages, with the ids their classes and tests use. Each page: the on box, the data folder or
// file edit with its "ﾌｧｲﾙ" button, and a group box of item buttons (ids of their own, value v
// of a page's first id + v).
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

// Container 235.
inline constexpr int kMeshContainer = 235;
inline constexpr int kMeshTabControl = 1030;
inline constexpr int kMeshMapButton = 1734;
inline constexpr int kAttributeValueButton = 1735;

// 気候値 (238): items 0-8, "その他の気候値" and its list.
inline constexpr int kClimatePage = 238;
inline constexpr int kClimateOn = 1146, kClimateText = 1171, kClimateFile = 1176;
inline constexpr int kClimateFirstItem = 1740;
inline constexpr int kClimateOther = 1749;
inline constexpr int kClimateList = 1750;
// 流路延長 (245): items 0-3.
inline constexpr int kRiverPage = 245;
inline constexpr int kRiverOn = 1337, kRiverText = 1338, kRiverFile = 1339;
inline constexpr int kRiverFirstItem = 1751;
// 沿岸海域 (243): items 0-8.
inline constexpr int kCoastPage = 243;
inline constexpr int kCoastOn = 1308, kCoastText = 1310, kCoastFile = 1311;
inline constexpr int kCoastFirstItem = 1755;
// 指定地域 (242): items 0-6.
inline constexpr int kAreaPage = 242;
inline constexpr int kAreaOn = 1307, kAreaText = 1306, kAreaFile = 1211;
inline constexpr int kAreaFirstItem = 1764;
// 森林･国公有地 (239): items 0-2.
inline constexpr int kForestPage = 239;
inline constexpr int kForestOn = 1181, kForestText = 1206, kForestFile = 1211;
inline constexpr int kForestFirstItem = 1771;

// The 61 other climate values of the climate page's list, entry n giving item 100 + n.
const std::vector<std::string>& OtherClimateValueNames();

vd::ui::DialogTemplate MeshContainerTemplate();
vd::ui::DialogTemplate ClimatePageTemplate();
vd::ui::DialogTemplate RiverPageTemplate();
vd::ui::DialogTemplate CoastPageTemplate();
vd::ui::DialogTemplate AreaPageTemplate();
vd::ui::DialogTemplate ForestPageTemplate();

// Every template of the dialog.
std::vector<vd::ui::DialogTemplate> NatureMeshTemplates();
