#pragma once
// The labels of the public-facility, river-course, cultural-property, dam and user point themes,
// from a raw point record (CP932) to the UTF-8 text shown beside the marker.
#include <string>
#include <string_view>

namespace points {

// 公共施設: selector 0 the name, any other the kind; cut at the first blank.
std::string PublicFacilityLabel(std::string_view line, int selector);
// The major category of a public facility (columns 35-36), which the class filter compares.
int PublicFacilityCategory(std::string_view line);

// 水系域流路延長: codes, lengths in km and the river-bed height by selector 0-6; else the whole line.
std::string RiverLengthLabel(std::string_view line, int selector);

// 文化財 (selectors 0, 1) and ダム (0-3); other selectors give the whole line.
std::string HeritageLabel(std::string_view line, int selector);
std::string DamLabel(std::string_view line, int selector);

// The user's own point sets: the selector packs the column range as from x 10000 + to (1-based).
// 点Ａ takes from - 1 to to inclusive; 点Ｂ one character less, cut at the first blank.
std::string NamedPointLabel(std::string_view line, int selector);
std::string PlainPointLabel(std::string_view line, int selector);

} // namespace points
