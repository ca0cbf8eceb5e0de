// The menu files' readers and rewrites below the dialog: a rewrite cut short at any point leaves
// the old file byte for byte; the titles' field marks go full-width.
#include "DialogTestSupport.h"

#include "dialogs/files/MenuFileEntries.h"
#include "tests/support/FileSizeLimit.h"

namespace {

using namespace dialogtest;

TEST(MenuFileEntries, ARewriteCutShortLeavesTheOldFile)
{
    std::vector<std::string> lines = {"; 注記"};
    for (int m = 1; m <= 8; ++m)
        AddMenuSection(lines, "[M" + std::to_string(m) + "] 節", {"題@a.txt"});
    const std::string old = Cp932Lines(lines);
    WriteHomeFile("SOURCE/MENUFILE.DAT", old);
    WriteHomeFile("GUIDEMAP/GUIDEMAP.DAT", Cp932Lines({"; 絵地図", "城 JO.BMP"}));
    const std::string item = HomeWin() + "SOURCE\\MENUFILE.DAT";
    const std::string guide = HomeWin() + "GUIDEMAP\\GUIDEMAP.DAT";
    MenuSlots slots = ReadItemMenu(item, 3);
    EXPECT_EQ(slots[0].title, "題");
    EXPECT_EQ(slots[0].target, "a.txt");
    slots[1] = {"新", "new.txt"};
    testsupport::ForEachWriteFailure(old.size(), [&](rlim_t limit) {
        const bool written = testsupport::UnderFileSizeLimit(limit, [&] { return RewriteItemMenu(item, 3, slots); });
        if (limit == RLIM_INFINITY) {
            EXPECT_TRUE(written);
            EXPECT_EQ(ReadItemMenu(item, 3)[1].title, "新");
        } else {
            EXPECT_FALSE(written) << limit;
            EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), old) << limit;
        }
    });
    EXPECT_FALSE(RewriteItemMenu(item, 8, slots)) << "no ninth section";

    const std::string oldGuide = ReadHomeFile("GUIDEMAP/GUIDEMAP.DAT");
    MenuSlots maps = ReadGuideMapMenu(guide);
    maps[1] = {"港", "MINATO.BMP"};
    testsupport::ForEachWriteFailure(oldGuide.size() + 16, [&](rlim_t limit) {
        const bool written = testsupport::UnderFileSizeLimit(limit, [&] { return RewriteGuideMapMenu(guide, maps); });
        if (limit != RLIM_INFINITY) {
            EXPECT_EQ(ReadHomeFile("GUIDEMAP/GUIDEMAP.DAT"), oldGuide) << limit;
        }
        EXPECT_EQ(written, limit == RLIM_INFINITY);
    });
    EXPECT_EQ(ReadGuideMapMenu(guide)[1].title, "港");
}

TEST(MenuFileEntries, TitlesKeepTheirFieldsWhenWritten)
{
    struct Case {
        const char* typed;
        const char* item;
        const char* guideMap;
    };
    for (const Case& c : {Case{"a@b", "a＠b", "a＠b"}, Case{"[M1] x", "［M1] x", "［M1]　x"},
                          Case{";注", ";注", "；注"}, Case{"------", "------", "------"}}) {
        EXPECT_EQ(ItemMenuTitleForFile(c.typed), c.item) << c.typed;
        EXPECT_EQ(GuideMapTitleForFile(c.typed), c.guideMap) << c.typed;
    }
}

TEST(MenuFileEntries, MissingFilesReadEmpty)
{
    const std::string none = HomeWin() + "NONE\\MENUFILE.DAT";
    EXPECT_TRUE(ReadItemMenu(none, 0)[0].title.empty());
    EXPECT_TRUE(ReadGuideMapMenu(none)[0].title.empty());
}

} // namespace
