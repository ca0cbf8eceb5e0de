#pragma once
// The colour lists of the settings pages; a row stores the chosen index.
#include <string>
#include <vector>

// 22 line colours: the eleven colours as thin pens, then as bold pens ("紫/太" .. "白/太"; the
// bold deep green is "深緑太").
const std::vector<std::string>& LineColourNames();
// 22 surface colours: the eleven colours as solid fills, then as dotted fills ("紫/点" .. "白/点";
// the dotted deep green is "深緑点").
const std::vector<std::string>& SurfaceColourNames();
// The eleven solid colours alone ("紫" .. "白"), where a theme has no dotted or bold form.
const std::vector<std::string>& SolidColourNames();
