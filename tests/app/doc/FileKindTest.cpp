#include "app/document/VeldoranDoc.h"

#include <gtest/gtest.h>

namespace {

TEST(FileKind, ClassifiesNamesAndLinksByWhatTheyHold)
{
    const struct { const char* name; int kind; } cases[] = {
        {"PHOTO.JPG", 1}, {"index.html", 10}, {"http://example.jp/a.jpg", 10}, {"a.jpg.bmp", 1},
        {"note.txt", 9}, {"picture.jpeg", 9}, {"trip.alb.jpg", 8}, {"x.BMP", 0}, {"x.gif", 2},
        {"x.pcd", 3}, {"x.pic", 4}, {"Z:\\写真\\旅行.Jpg", 1}, {"ＪＰＧ.txt", 9}, {"", 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CVeldoranDoc::GetFileKind(c.name), c.kind) << c.name;
}

TEST(FileKind, CoordinateTextsGoThroughTheSharedConversions)
{
    EXPECT_EQ(CVeldoranDoc::DmsToSeconds("34.4130"), 124890);
    EXPECT_EQ(CVeldoranDoc::DmsToSeconds("-35.3000"), -127800);
    EXPECT_EQ(CVeldoranDoc::SecondsToDms(486000), "135.0000");
}

} // namespace
