// The eight colour sets a new application folder starts with, read by the program's own reader:
// each has its sea, 0 m and 4,000 m lines, tints every level of the ramp and shades its relief in
// the style its name calls for.
#include "DialogTestSupport.h"

#include "graphics/ColourSet.h"
#include "graphics/TintRamp.h"

namespace {

TEST(BundledColourSets, EachSetTintsTheWholeRampInTheStyleOfItsName)
{
    const struct {
        const char* file;
        const char* name;
        const char* style;
    } sets[] = {
        {"ATLAS1.PLT", "地図帳(通常)", ""},         {"ATLAS2.PLT", "地図帳(明るい)", ""},
        {"ATLAS3.PLT", "地図帳(高度帯)", "地図帳(高度帯)"}, {"ATLAS4.PLT", "緑色(ﾎﾟﾘｸﾛｰﾑ)", ""},
        {"ATLAS5.PLT", "緑色(ﾓﾉｸﾛｰﾑ)", "ﾓﾉｸﾛｰﾑ"},    {"ATLAS6.PLT", "灰色(ﾓﾉｸﾛｰﾑ)", "ﾓﾉｸﾛｰﾑ"},
        {"ATLAS7.PLT", "黄金(ﾓﾉｸﾛｰﾑ)", "ﾓﾉｸﾛｰﾑ"},    {"ATLAS8.PLT", "ﾗﾝﾄﾞｻｯﾄ(合成)", ""},
    };
    for (const auto& set : sets) {
        const std::vector<TintRow> rows = ReadColourSetRows(std::string(VD_SAMPLE_DATA_DIR "/PALETTE/") + set.file);
        ASSERT_GE(rows.size(), 3u) << set.file;
        EXPECT_EQ(rows.front().level, 0) << set.file;
        EXPECT_EQ(rows[1].level, 1) << set.file;
        EXPECT_EQ(rows.back().level, 255) << set.file;
        const TintRamp ramp = InterpolateTintRamp(rows);
        for (int i = 0; i < 256; ++i)
            EXPECT_GT(ramp.red[i] + ramp.green[i] + ramp.blue[i], 0) << set.file << " level " << i;
        EXPECT_EQ(DetectReliefStyle(rows, set.name), set.style) << set.file;
        // The style of the monochrome sets comes from their colours, not only from their names.
        EXPECT_EQ(DetectReliefStyle(rows, "") == kMonochromeStyle, std::string(set.style) == kMonochromeStyle)
            << set.file;
    }
}

} // namespace
