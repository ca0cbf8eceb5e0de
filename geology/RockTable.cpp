// The rock table of the surface-geology theme, written once as data: twenty steps, each an era
// list, the rock groups that admit it and its entries (rock number: colour class / slot). Entries
// marked era5Only count only in era 5 although their step also serves era 0.
#include "geology/RockTable.h"

#include "geology/GeoMeshRenderer.h"

#include <initializer_list>
#include <span>

namespace {

struct RockEntry {
    int rock;
    int colourClass;
    int slot;
    bool era5Only = false;
};

struct RockStep {
    std::array<int, 2> eras;   // -1: no second era
    std::array<int, 2> groups; // -1: no second group
    std::span<const RockEntry> entries;
};

constexpr bool kEra5Only = true;

constexpr RockEntry kStep1[] = {{10, 90, 128}, {11, 4, 0},  {12, 2, 1},  {13, 1, 2},  {14, 4, 3},
                                {15, 1, 4},    {16, 1, 5},  {17, 2, 6},  {21, 4, 7},  {22, 4, 8},
                                {23, 2, 9},    {24, 1, 10}, {25, 1, 11}, {32, 2, 129}, {36, 91, 197}};
constexpr RockEntry kStep2[] = {{39, 55, 66}, {41, 55, 66}, {42, 55, 67}, {43, 55, 68}, {44, 40, 70},
                                {45, 54, 69}, {46, 54, 70}, {47, 55, 71}, {48, 55, 72}, {51, 55, 73},
                                {52, 55, 74}, {53, 60, 75}, {54, 59, 76}, {55, 70, 77}};
constexpr RockEntry kStep3[] = {{10, 91, 130},
                                {11, 6, 12},
                                {12, 5, 13},
                                {13, 3, 14},
                                {14, 6, 15},
                                {15, 3, 16},
                                {16, 3, 17},
                                {17, 5, 18},
                                {21, 6, 19},
                                {22, 6, 20},
                                {23, 6, 21},
                                {24, 3, 22},
                                {25, 3, 23},
                                {29, 4, 134},
                                {31, 19, 25, kEra5Only},
                                {32, 4, 131, kEra5Only},
                                {33, 3, 132, kEra5Only},
                                {34, 19, 24},
                                {36, 91, 198, kEra5Only},
                                {40, 3, 133}};
constexpr RockEntry kStep4[] = {{39, 41, 78}, {41, 41, 78}, {42, 41, 79}, {43, 41, 80}, {44, 40, 70},
                                {45, 40, 81}, {46, 40, 82}, {47, 41, 83}, {48, 41, 84}, {51, 41, 85},
                                {52, 41, 86}, {53, 47, 87}, {54, 32, 88}, {55, 54, 89}};
constexpr RockEntry kStep5[] = {{29, 7, 138}, {30, 5, 35}, {93, 5, 35}, {31, 19, 136}, {32, 5, 26}, {33, 7, 27},
                                {34, 19, 28}, {35, 22, 29}, {36, 7, 30}, {37, 20, 31}, {38, 21, 32}, {40, 7, 137},
                                {91, 7, 33},  {92, 5, 34},  {94, 7, 36}, {95, 7, 37},   {96, 7, 38}};
constexpr RockEntry kStep6[] = {{39, 50, 90}, {41, 50, 90}, {42, 51, 91}, {43, 50, 92}, {44, 40, 70},
                                {45, 50, 93}, {46, 50, 94}, {47, 51, 95}, {48, 51, 96}, {51, 29, 97},
                                {52, 29, 98}, {53, 41, 99}, {54, 32, 100}, {55, 55, 101}};
constexpr RockEntry kStep7[] = {{49, 71, 143}, {63, 71, 143}, {61, 60, 141}, {62, 61, 142}, {64, 72, 144}, {66, 70, 145}};
constexpr RockEntry kStep8[] = {{71, 79, 161}, {72, 82, 162}, {73, 87, 163}, {74, 84, 164}, {76, 84, 165},
                                {77, 84, 166}, {78, 84, 167}, {81, 67, 168}, {82, 67, 168}};
constexpr RockEntry kStep9[] = {{29, 8, 139}, {30, 9, 48}, {93, 9, 48}, {31, 13, 39}, {32, 9, 40}, {33, 8, 41},
                                {40, 8, 41},  {35, 22, 42}, {36, 8, 43}, {37, 14, 44}, {38, 21, 45}, {91, 8, 46},
                                {92, 9, 47},  {94, 8, 49},  {95, 8, 50}, {96, 9, 51}};
constexpr RockEntry kStep10[] = {{41, 46, 102}, {42, 46, 103}, {43, 34, 104}, {45, 46, 105}, {46, 46, 106},
                                 {47, 34, 107}, {48, 34, 108}, {50, 20, 109}, {51, 34, 110}, {52, 34, 111},
                                 {53, 27, 112}, {54, 33, 113}, {55, 56, 114}};
constexpr RockEntry kStep11[] = {{49, 73, 148}, {63, 73, 148}, {61, 62, 146}, {62, 63, 147}, {64, 72, 144}, {66, 75, 150}};
constexpr RockEntry kStep12[] = {{67, 38, 65},  {71, 79, 169}, {72, 18, 170}, {73, 87, 171}, {74, 84, 172},
                                 {76, 84, 173}, {77, 84, 174}, {78, 84, 175}, {81, 67, 176}, {82, 67, 176}};
constexpr RockEntry kStep13[] = {{41, 27, 115}, {42, 30, 116}, {43, 30, 117}, {45, 27, 118}, {46, 27, 119},
                                 {47, 30, 120}, {48, 30, 121}, {50, 57, 122}, {51, 52, 123}, {52, 12, 124},
                                 {53, 27, 125}, {54, 48, 126}, {55, 57, 127}};
constexpr RockEntry kStep14[] = {{49, 76, 153}, {63, 76, 153}, {61, 64, 151}, {62, 65, 152}, {64, 79, 154}, {66, 78, 155}};
constexpr RockEntry kStep15[] = {{65, 81, 177}, {67, 38, 65},  {71, 84, 178}, {72, 18, 179}, {73, 80, 180}, {74, 81, 181},
                                 {75, 81, 182}, {76, 85, 183}, {77, 85, 184}, {78, 85, 185}, {81, 67, 186}, {82, 67, 186}};
constexpr RockEntry kStep16[] = {{29, 15, 54}, {33, 15, 54}, {40, 15, 54}, {30, 10, 52}, {31, 10, 52},
                                 {32, 16, 53}, {35, 59, 55}, {36, 44, 56}, {37, 45, 57}, {38, 58, 58}};
constexpr RockEntry kStep17[] = {{29, 28, 61}, {33, 28, 61}, {40, 28, 61}, {30, 31, 59}, {31, 31, 59},
                                 {32, 17, 60}, {35, 35, 62}, {36, 31, 63}, {37, 37, 64}, {38, 38, 65}};
constexpr RockEntry kStep18[] = {{50, 11, 135}, {55, 45, 140}};
constexpr RockEntry kStep19[] = {{49, 24, 158}, {63, 24, 158}, {61, 66, 156}, {62, 68, 157}, {64, 79, 154}, {66, 78, 155}};
constexpr RockEntry kStep20[] = {{65, 81, 187}, {67, 38, 65},  {71, 86, 188}, {72, 18, 189}, {73, 86, 190}, {74, 81, 191},
                                 {75, 81, 192}, {76, 83, 193}, {77, 83, 194}, {78, 83, 195}, {81, 67, 196}, {82, 67, 196}};

constexpr int kNone = -1;

const RockStep kSteps[] = {
    {{6, kNone}, {kRockUnconsolidated, kNone}, kStep1},
    {{6, kNone}, {kRockVolcanic, kNone}, kStep2},
    {{5, 0}, {kRockUnconsolidated, kNone}, kStep3},
    {{5, kNone}, {kRockVolcanic, kNone}, kStep4},
    {{4, kNone}, {kRockSemiConsolidated, kNone}, kStep5},
    {{4, kNone}, {kRockVolcanic, kNone}, kStep6},
    {{4, kNone}, {kRockPlutonic, kNone}, kStep7},
    {{4, kNone}, {kRockMetamorphic, kNone}, kStep8},
    {{3, kNone}, {kRockSemiConsolidated, kRockConsolidated}, kStep9},
    {{3, kNone}, {kRockVolcanic, kNone}, kStep10},
    {{3, kNone}, {kRockPlutonic, kNone}, kStep11},
    {{3, kNone}, {kRockMetamorphic, kNone}, kStep12},
    {{2, 0}, {kRockVolcanic, kNone}, kStep13},
    {{2, 0}, {kRockPlutonic, kNone}, kStep14},
    {{2, 0}, {kRockMetamorphic, kNone}, kStep15},
    {{2, kNone}, {kRockSemiConsolidated, kRockConsolidated}, kStep16},
    {{1, 0}, {kRockConsolidated, kNone}, kStep17},
    {{1, kNone}, {kRockVolcanic, kNone}, kStep18},
    {{1, kNone}, {kRockPlutonic, kNone}, kStep19},
    {{1, kNone}, {kRockMetamorphic, kNone}, kStep20},
};

} // namespace

RockClass LookUpRockClass(int rock, int era)
{
    if (era < 0)
        return {};
    for (const RockStep& step : kSteps) {
        if (step.eras[0] != era && step.eras[1] != era)
            continue;
        for (const RockEntry& entry : step.entries) {
            if (entry.rock != rock || (entry.era5Only && era != 5))
                continue;
            return {entry.colourClass, entry.slot, true, step.groups};
        }
    }
    return {};
}
