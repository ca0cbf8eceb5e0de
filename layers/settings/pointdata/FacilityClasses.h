#pragma once
// The 大分類 list of the public facilities row (its index is the facilities' class filter).
#include <string>
#include <vector>

const std::vector<std::string>& FacilityClassNames();
