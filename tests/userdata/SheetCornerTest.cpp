// The 1:200,000 sheet that begins at a first-level mesh's south-west corner.
#include "UserDataTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

TEST(SheetCorner, MeshCodeLooksUpTheSheetAtItsSouthWestCorner)
{
    auto doc = MakeDocument();
    doc->folders.m_strSheetIndexFile = WriteFixture("BlcMap20.idx", Cp932Lines({
                                                                ";    一覧",
                                                                IndexLine("東京", "35.2000", "139.0000"),
                                                                IndexLine("横須賀 外", "35.2000", "139.0000"),
                                                                IndexLine("京都及大阪", "34.4000", "135.0000"),
                                                                IndexLine("伊勢", "34.0000", "136.0000"),
                                                            }))
                                   .winPath;
    // The first line with both corner texts; the whole name up to its blanks, however long.
    EXPECT_EQ(doc->MeshCodeToSheetName("5339"), "東京");
    EXPECT_EQ(doc->MeshCodeToSheetName("5235"), "京都及大阪");
    EXPECT_EQ(doc->MeshCodeToSheetName("5136"), "伊勢");
    EXPECT_EQ(doc->FindSheetByCorner("34.4000", "135.0000"), "京都及大阪");
    EXPECT_EQ(doc->FindSheetByCorner("34.4000", "136.0000"), "");
    // No sheet there, a code too short or not a number, a missing index: empty.
    EXPECT_EQ(doc->MeshCodeToSheetName("6441"), "");
    EXPECT_EQ(doc->MeshCodeToSheetName("53"), "");
    EXPECT_EQ(doc->MeshCodeToSheetName("53a9"), "");
    doc->folders.m_strSheetIndexFile = vd::applicationFolder() + "none.idx";
    EXPECT_EQ(doc->MeshCodeToSheetName("5339"), "");
}

} // namespace
