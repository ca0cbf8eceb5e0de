// The selection text's flags and symbol mode, and the rock table with its group filter.
#include "geology/GeoMeshRenderer.h"
#include "geology/RockTable.h"

#include <gtest/gtest.h>

TEST(GeoSelection, DigitsOfEachTheme)
{
    CGeoMeshRenderer r;
    r.ParseGeoSelection(0, "0100100000003#01000001");
    EXPECT_EQ(r.m_nSymbolMode, 3);
    EXPECT_EQ(r.m_nLabelFlag, 1);
    EXPECT_EQ(r.m_anRockFlags, (std::array<int, 12>{0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.m_anEraFlags, (std::array<int, 10>{0, 1, 0, 0, 0, 0, 0, 1, 0, 0}));

    // Missing digits read 0: no symbol, groups and eras off.
    r.ParseGeoSelection(0, "1");
    EXPECT_EQ(r.m_nSymbolMode, 0);
    EXPECT_EQ(r.m_nLabelFlag, 0);
    EXPECT_EQ(r.m_anRockFlags[0], 1);
    EXPECT_EQ(r.m_anEraFlags, (std::array<int, 10>{}));

    r.ParseGeoSelection(1, "000000000000000002");
    EXPECT_EQ(r.m_nSymbolMode, 2);
    r.ParseGeoSelection(2, "00000000000001");
    EXPECT_EQ(r.m_nSymbolMode, 1);
    r.ParseGeoSelection(3, "4");
    EXPECT_EQ(r.m_nSymbolMode, 4);
    EXPECT_EQ(r.m_nLabelFlag, 1);
    r.ParseGeoSelection(3, "x");
    EXPECT_EQ(r.m_nSymbolMode, 0);
}

TEST(GeoSelection, SoilAndTerrainGroupsSetTheirClasses)
{
    const auto shown = [](const CGeoMeshRenderer& r) {
        std::vector<int> codes;
        for (int c = 0; c < kGeoSlotCount; ++c)
            if (r.m_anSecondaryCodes[std::size_t(c)] != 0)
                codes.push_back(c);
        return codes;
    };
    CGeoMeshRenderer r;
    r.m_anSecondaryCodes[150] = 9;
    r.ParseGeoSelection(1, "0000010000100000011"); // ﾎﾟﾄﾞｿﾞﾙ化土壌 and グライ土壌, symbol 1
    EXPECT_EQ(shown(r), (std::vector<int>{32, 33, 35, 43, 44, 45, 70, 71, 72, 73, 74}));
    EXPECT_EQ(r.m_nAllClasses, 0);
    r.ParseGeoSelection(1, "00000000000001111"); // その他 and 項目のないもの; positions 15, 16 set nothing
    EXPECT_EQ(shown(r), (std::vector<int>{0, 49, 99}));
    r.ParseGeoSelection(1, "1111111111111111");  // position 0: every code, no single flag
    EXPECT_EQ(r.m_nAllClasses, 1);
    EXPECT_TRUE(shown(r).empty());

    r.ParseGeoSelection(2, "000010001");         // 台地・段丘 and 河川
    EXPECT_EQ(shown(r), (std::vector<int>{0, 13, 14, 15, 16, 17, 18, 25, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
    r.ParseGeoSelection(2, "0000010000000");      // 低地(三角州・扇状地)
    EXPECT_EQ(shown(r), (std::vector<int>{12, 19, 20, 21, 26}));
}

namespace {

struct RockCase {
    int rock;
    int era;
    int colourClass;
    int slot;
    std::vector<int> groups; // the flags that admit it
};

// Each step once by its era list, the era-5-only entries, shared slots and entries.
const RockCase kRocks[] = {
    {10, 6, 90, 128, {1}},        // step 1
    {44, 6, 40, 70, {4}},         // step 2
    {46, 6, 54, 70, {4}},
    {11, 5, 6, 12, {1}},          // step 3, era 5
    {11, 0, 6, 12, {1}},          // step 3, era 0
    {31, 5, 19, 25, {1}},         // era 5 only
    {32, 5, 4, 131, {1}},
    {33, 5, 3, 132, {1}},
    {36, 5, 91, 198, {1}},
    {31, 0, 31, 59, {3}},         // era 0 passes over the era-5 entry to step 17
    {32, 0, 17, 60, {3}},
    {44, 5, 40, 70, {4}},         // step 4
    {93, 4, 5, 35, {2}},          // step 5
    {44, 4, 40, 70, {4}},         // step 6
    {66, 4, 70, 145, {5}},        // step 7
    {81, 4, 67, 168, {6}},        // step 8
    {82, 4, 67, 168, {6}},
    {30, 3, 9, 48, {2, 3}},       // step 9: either group
    {50, 3, 20, 109, {4}},        // step 10
    {61, 3, 62, 146, {5}},        // step 11
    {67, 3, 38, 65, {6}},         // step 12
    {52, 2, 12, 124, {4}},        // step 13
    {52, 0, 12, 124, {4}},
    {64, 2, 79, 154, {5}},        // step 14
    {65, 0, 81, 177, {6}},        // step 15
    {67, 2, 38, 65, {6}},
    {35, 2, 59, 55, {2, 3}},      // step 16
    {38, 1, 38, 65, {3}},         // step 17
    {55, 1, 45, 140, {4}},        // step 18
    {62, 1, 68, 157, {5}},        // step 19
    {82, 1, 67, 196, {6}},        // step 20
    {67, 1, 38, 65, {6}},
};

} // namespace

TEST(RockTable, ClassSlotAndGroupOfEachStep)
{
    for (const RockCase& c : kRocks) {
        SCOPED_TRACE(testing::Message() << "rock " << c.rock << " era " << c.era);
        CGeoMeshRenderer r;
        r.m_nSecondaryCode = c.era;
        // Every group off but all rocks: the class comes through.
        r.m_anRockFlags[kRockAll] = 1;
        EXPECT_EQ(r.ClassifyRockCode(c.rock), c.colourClass);
        EXPECT_EQ(r.m_nRecordIndex, c.slot);
        // All rocks off: only the step's own group flags let it through.
        for (int group = 1; group <= 6; ++group) {
            r.m_anRockFlags.fill(0);
            r.m_anRockFlags[std::size_t(group)] = 1;
            const bool admits = std::find(c.groups.begin(), c.groups.end(), group) != c.groups.end();
            EXPECT_EQ(r.ClassifyRockCode(c.rock), admits ? c.colourClass : -1) << "group " << group;
        }
    }
}

TEST(RockTable, NumbersWithoutClassInTheEra)
{
    CGeoMeshRenderer r;
    r.m_nSecondaryCode = 6;
    EXPECT_EQ(r.ClassifyRockCode(44), -1); // 火山岩類 off, all rocks off
    for (int era = 0; era <= 6; ++era) {
        r.m_nSecondaryCode = era;
        r.m_nRecordIndex = 5;
        EXPECT_EQ(r.ClassifyRockCode(18), 0);
        EXPECT_EQ(r.m_nRecordIndex, kGeoNoneSlot);
    }
    r.m_nSecondaryCode = 6;
    EXPECT_EQ(r.ClassifyRockCode(93), 0);  // 93 is a Neogene and Paleogene rock only
    r.m_nSecondaryCode = 7;
    EXPECT_EQ(r.ClassifyRockCode(10), 0);
    r.m_nSecondaryCode = -1;
    EXPECT_EQ(r.ClassifyRockCode(10), 0);
}
