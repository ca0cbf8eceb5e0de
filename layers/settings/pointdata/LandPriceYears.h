#pragma once
// The land-price year list (index 0 = 昭和58年 = 1983 to 25 = 平成20年) and the latest year a
// land-price data folder holds, read from its data-set code: "L01-07" is 平成 7年, "L01-63"
// 昭和63年.
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kLandPriceYearCount = 26;

const std::vector<std::string>& LandPriceYearNames();

// The year index of the two digits after the first "-" following "l01" (also "l02" when
// alsoL02), the text compared in lower case: v + 5 below 58, else v - 58, held inside the list.
// -1 for an empty text or one without the marker or the "-".
int LatestLandPriceYearIndex(std::string_view folderText, bool alsoL02);
