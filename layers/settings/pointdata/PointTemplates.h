#pragma once
// The templates of the point dialogs: the containers 234 (detailed map) and 254 (white map) and
// their pages.
#include "platform/ui/DialogTemplate.h"

#include <vector>

// Control ids of the containers.
inline constexpr int kPointTabControl = 1103;
inline constexpr int kPointNoteLine = 1104;

vd::ui::DialogTemplate PointContainerTemplate(int id);

vd::ui::DialogTemplate PointFacilityTemplate();       // 236
vd::ui::DialogTemplate WhitePointFacilityTemplate();  // 261
vd::ui::DialogTemplate PointHydrologyTemplate();      // 240
vd::ui::DialogTemplate WhitePointHydrologyTemplate(); // 260
vd::ui::DialogTemplate PointCoastTemplate();          // 241
vd::ui::DialogTemplate PointLandPriceATemplate();     // 160
vd::ui::DialogTemplate WhitePointLandPriceATemplate();// 255
vd::ui::DialogTemplate PointLandPriceBTemplate();     // 149
vd::ui::DialogTemplate WhitePointLandPriceBTemplate();// 256
vd::ui::DialogTemplate PointByPrefectureTemplate();   // 141
vd::ui::DialogTemplate PointNationwideTemplate();     // 237

// Every template of both point dialogs.
std::vector<vd::ui::DialogTemplate> PointDialogTemplates();
