// GEOLOGY.PLT and GEOLOGY.DAT: the section of the theme, names, bad lines, missing files, and the
// shipped palette covering every class the tables can yield.
#include "geology/GeoMeshRenderer.h"
#include "geology/GeologyPaletteFile.h"
#include "geology/RockTable.h"
#include "platform/fs/PathResolver.h"
#include "tests/geology/GeoFixtures.h"

#include <gtest/gtest.h>

#include <set>

using namespace geology_test;

namespace {

using Rgb = std::array<std::int16_t, 3>;
const Rgb kWhite{255, 255, 255};

const std::vector<std::string> kPalette = {
    "; palette",
    "12 1 1 1 before any section",
    "-999 1",
    "12 10 20 30 礫",
    "-999 2",
    "",
    "12 255 0 0",
    "13 0 255 0 砂丘 土壌",
    "14 0 0 255 ",
    "170 9 9 9 too far",
    "-1 9 9 9 negative",
    "15 300 -4 7",
    "16 5 5",
    "-999 3",
    "12 40 50 60 湖沼",
    "17 1 2 3 long " + std::string(200, 'x'),
    "-999 4",
    "12 70 80 90",
};

} // namespace

TEST(GeologyPalette, OnlyTheThemesSectionIsTaken)
{
    GeoFolder folder;
    folder.WriteLines("GEOLOGY.PLT", kPalette);
    folder.WriteLines("GEOLOGY.DAT", {"; rocks", "12 堆積岩類", "13", "200 out of range"});
    CGeoMeshRenderer r;
    r.m_astrClassNames[12] = "kept";
    r.m_anPalette[20] = {1, 2, 3};
    r.LoadGeologyPalette(1, folder.Windows());
    EXPECT_EQ(r.m_anPalette[12], (Rgb{255, 0, 0}));
    EXPECT_EQ(r.m_astrClassNames[12], "kept");           // no name on the line: the old one stays
    EXPECT_EQ(r.m_astrClassNames[13], "砂丘 土壌");       // a name of two words keeps its blank
    EXPECT_EQ(r.m_anPalette[14], (Rgb{0, 0, 255}));
    EXPECT_EQ(r.m_astrClassNames[14], "");               // a blank after blue: an empty name
    EXPECT_EQ(r.m_anPalette[15], (Rgb{255, 0, 7}));      // colours held to 0-255
    EXPECT_EQ(r.m_anPalette[16], kWhite);                // no blue value: left out
    EXPECT_EQ(r.m_anPalette[20], kWhite);                // every entry starts white

    // Theme 2 reads section 3 only, and GEOLOGY.DAT is for the surface geology alone.
    r.LoadGeologyPalette(2, folder.Windows());
    EXPECT_EQ(r.m_anPalette[12], (Rgb{40, 50, 60}));
    EXPECT_EQ(r.m_anPalette[13], kWhite);
    EXPECT_EQ(r.m_astrClassNames[12], "湖沼");
    EXPECT_EQ(r.m_astrClassNames[17].size(), 205u);

    // Theme 0: GEOLOGY.DAT's name wins over the palette's.
    r.LoadGeologyPalette(0, folder.Windows());
    EXPECT_EQ(r.m_anPalette[12], (Rgb{10, 20, 30}));
    EXPECT_EQ(r.m_astrClassNames[12], "堆積岩類");
    EXPECT_EQ(r.m_astrClassNames[13], "砂丘 土壌"); // "13" without a name changes nothing
}

TEST(GeologyPalette, MissingFilesOrSectionLeaveItWhite)
{
    GeoFolder folder("EMPTY");
    CGeoMeshRenderer r;
    r.m_astrClassNames[5] = "name";
    r.LoadGeologyPalette(0, folder.Windows());
    for (const Rgb& colour : r.m_anPalette)
        EXPECT_EQ(colour, kWhite);
    EXPECT_EQ(r.m_astrClassNames[5], "name");

    folder.WriteLines("GEOLOGY.PLT", {"-999 1", "5 1 2 3"});
    r.LoadGeologyPalette(3, folder.Windows());
    EXPECT_EQ(r.m_anPalette[5], kWhite);
}

// Every class that the rock, soil and terrain tables or the valley classes yield has a colour.
TEST(GeologyPalette, ShippedPaletteColoursEveryClass)
{
    const auto folder = vd::toWindowsPath(std::string(VD_SOURCE_DIR) + "/data");
    ASSERT_TRUE(folder.has_value());
    std::set<int> rockClasses;
    for (int rock = 0; rock < 100; ++rock)
        for (int era = 0; era <= 6; ++era)
            if (const RockClass c = LookUpRockClass(rock, era); c.found)
                rockClasses.insert(c.colourClass);
    std::set<int> soil, terrain, valley;
    for (int code = 0; code <= 77; ++code)
        soil.insert(code);
    soil.insert(99);
    for (int code = 0; code <= 26; ++code)
        terrain.insert(code);
    for (int code = 31; code <= 39; ++code)
        terrain.insert(code);
    for (int k = 0; k <= 9; ++k)
        valley.insert(k);
    const std::set<int>* classes[] = {&rockClasses, &soil, &terrain, &valley};
    for (int theme = 0; theme < 4; ++theme) {
        CGeoMeshRenderer r;
        r.LoadGeologyPalette(theme, *folder + "\\");
        for (int c : *classes[theme])
            EXPECT_NE(r.m_anPalette[std::size_t(c)], kWhite) << "theme " << theme << " class " << c;
    }
    // Soil and terrain classes are named by their group item; the rock numbers by their group.
    CGeoMeshRenderer r;
    r.LoadGeologyPalette(1, *folder + "\\");
    EXPECT_EQ(r.m_astrClassNames[99], "その他(砂礫地･市街地)");
    r.LoadGeologyPalette(0, *folder + "\\");
    EXPECT_EQ(r.m_astrClassNames[44], "火山岩類");
    EXPECT_EQ(r.m_astrClassNames[81], "変成岩類");
}
