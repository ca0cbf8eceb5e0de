// File names stamped with the local time, and the free name when the stamped one is taken.
#include "DialogTestSupport.h"

#include "dialogs/files/TimeStampedFileName.h"
#include "platform/ui/UiScript.h"

namespace {

using namespace dialogtest;

std::tm At(int year, int month, int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

TEST(TimeStampedFileName, NamesEachKindFromTheLocalTime)
{
    const std::tm t = At(2004, 12, 8, 15, 7);
    const struct {
        int kind;
        const char* name;
    } cases[] = {
        {0, "N04C0815.7"},   {1, "G4C1fdd.alb"}, {2, "G04C0815.7R"}, {3, "G04C0815.7A"},
        {4, "G04C0815.7W"},  {5, "G04C0815.7J"}, {6, ""},            {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeStampedFileName(c.kind, t), c.name) << c.kind;
    EXPECT_EQ(TimeStampedFileName(2, At(2010, 3, 1, 0, 45)), "G1030100.45R");
    EXPECT_EQ(TimeStampedFileName(1, At(2010, 10, 31, 23, 59)), "G0A4c427.alb"); // 312359
}

TEST(TimeStampedFileName, TakesTheNextFreeNameInTheFolder)
{
    auto script = vd::ui::Script::install();
    script->advance(std::int64_t(400) * 24 * 3600 * 1000 + 15 * 60 * 1000);
    const std::time_t now = vd::ui::time();
    std::tm local{};
    localtime_r(&now, &local);

    const std::string folder = HomeWin() + "ALBUM";
    const std::string album = TimeStampedFileName(1, local);
    const std::string route = TimeStampedFileName(2, local);
    EXPECT_EQ(FreeTimeStampedFileName(1, folder), album);

    WriteHomeFile("ALBUM/" + album, "x");
    WriteHomeFile("ALBUM/" + route, "x");
    const std::string nextAlbum = FreeTimeStampedFileName(1, folder);
    const std::string nextRoute = FreeTimeStampedFileName(2, folder + "\\");
    EXPECT_NE(nextAlbum, album);
    EXPECT_NE(nextRoute, route);
    EXPECT_EQ(nextAlbum.size(), album.size());
    EXPECT_EQ(nextRoute.substr(0, 10), route.substr(0, 10));
    EXPECT_EQ(nextRoute.back(), 'R');
    EXPECT_TRUE(FreeTimeStampedFileName(7, folder).empty());
}

} // namespace
