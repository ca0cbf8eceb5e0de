#include "basemap/sheetindex/SheetIndexFile.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

namespace {

using basemap_test::FixtureFolder;

TEST(SheetIndexFile, CutsTheColumnsOfEachLineInCp932Bytes)
{
    FixtureFolder folder;
    folder.WriteText("BlcMap20.idx", {"; comment line",
                                      "5339     東京         35.2000   139.0000 tokyo",
                                      "6441     留萌Ｂ       42.4000   141.0000",
                                      "Ｂ        宗谷         45.2000   141.0000",
                                      ""});
    const auto lines = ReadSheetIndex(folder.Windows() + "blcmap20.IDX");
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 5u);
    const auto& comment = (*lines)[0];
    EXPECT_TRUE(comment.IsComment());
    const auto& tokyo = (*lines)[1];
    EXPECT_FALSE(tokyo.IsComment());
    EXPECT_FALSE(tokyo.IsMarked());
    EXPECT_EQ(tokyo.NameColumns(), "東京        ");
    EXPECT_EQ(tokyo.LatitudeText(), "35.2000");
    EXPECT_EQ(tokyo.LongitudeText(), "139.0000");
    EXPECT_EQ(tokyo.MeshCode(), 5339);
    EXPECT_EQ(tokyo.Field(41, 10), "tokyo");
    EXPECT_TRUE((*lines)[2].IsMarked());
    EXPECT_EQ((*lines)[2].MeshCode(), 6441);
    // A mark in the first character does not count.
    EXPECT_FALSE((*lines)[3].IsMarked());
    EXPECT_TRUE((*lines)[4].IsEmpty());
    EXPECT_EQ((*lines)[4].LatitudeText(), "");
}

TEST(SheetIndexFile, MarksAreFoundByCharacterNotByByte)
{
    // "モ" is 0x83 0x82 in CP932: its trail byte and the "a" after it are the bytes of "Ｂ".
    EXPECT_FALSE(SheetIndexLine(vd::utf8ToCp932("6441     モa")).IsMarked());
    EXPECT_TRUE(SheetIndexLine(vd::utf8ToCp932("6441     モＢ")).IsMarked());
    EXPECT_TRUE(HasSheetMark("1 ＯＫ"));
    EXPECT_FALSE(HasSheetMark("Ｏ only first"));
    EXPECT_FALSE(HasSheetMark(""));
}

TEST(SheetIndexFile, ALongLineIsReadInPiecesOf199Bytes)
{
    FixtureFolder folder;
    folder.WriteText("BlcMap20.idx", {std::string(199, 'a') + std::string(10, 'b')});
    const auto lines = ReadSheetIndex(folder.Windows() + "BlcMap20.idx");
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[0].Raw().size(), 199u);
    EXPECT_EQ((*lines)[1].Raw(), std::string(10, 'b'));
    EXPECT_FALSE(ReadSheetIndex(folder.Windows() + "none.idx").has_value());
}

} // namespace
