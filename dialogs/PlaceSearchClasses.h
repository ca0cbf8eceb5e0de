#pragma once
// The classifications the place-name and public-facility search offers: the place-name middle
// and minor classes of each major class, the facility major and minor classes, and the
// prefectures as "code/name". Codes are those of the searched data, so lists keep their gaps.
#include <array>
#include <string>
#include <vector>

struct SearchClass {
    int code;
    const char* name;
};

struct SearchMiddleClass {
    int code;
    const char* name;
    std::vector<SearchClass> minors;
};

// The major classes of the place-name combo, in its order, with their codes (1-5 and 7).
inline constexpr std::array<SearchClass, 6> kPlaceNameMajorClasses{{{1, "行政区画"},
                                                                    {2, "居住地名"},
                                                                    {3, "自然地名"},
                                                                    {4, "交通施設"},
                                                                    {5, "土地の利用景"},
                                                                    {7, "公共施設"}}};

// The middle classes of a place-name major class code; empty for an unknown code.
const std::vector<SearchMiddleClass>& PlaceNameMiddleClasses(int majorCode);

// The facility major classes (codes 11-18) and the minor classes of one of them.
const std::vector<SearchClass>& FacilityMajorClasses();
const std::vector<SearchClass>& FacilityMinorClasses(int majorCode);

// "1/北海道" ... "47/沖縄県".
const std::array<std::string, 47>& PrefectureList();
