// The distance and slope label through OnDistanceReportCalc on a RecordingDc: the distances and
// labels of each mode, the first place's D.MMSS read without losing a second, its placement,
// font and colours, and the caller's state afterwards.
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <optional>

namespace {


std::optional<vd::RecordedText> Draw(vd::RecordingDc& dc, int mode, double value, float lon1, float lat1,
                                     const std::string& lon2, const std::string& lat2, int colour = 0,
                                     int background = 0, int reduction = 0)
{
    OnDistanceReportCalc(&dc, reduction, mode, colour, background, 40, 60, lon1, lat1, value, lon2, lat2);
    const auto texts = dc.Texts();
    if (texts.empty())
        return std::nullopt;
    EXPECT_EQ(texts.size(), 1u);
    return texts.front();
}

TEST(DistanceLabel, ModesGiveTheLabelBeforeTheDistance)
{
    struct Case {
        int mode;
        double value;
        float lon1, lat1;
        const char* lon2;
        const char* lat2;
        const char* text;
    };
    const Case cases[] = {
        {3, 1234.5, 135.0f, 35.0f, "135.0000", "36.0000", "1234.5m(111.2km)"},
        {0, 100, 135.0f, 35.0f, "135.0000", "36.0000", "0.9‰(111.2km)"},
        {1, 1000, 135.0f, 35.0f, "135.0000", "36.0000", "0.5°(111.2km)"},
        {3, 12, 135.0f, 35.0f, "135.0000", "35.0000", "12.0m(0.0km)"},
        // A gradient and a slope over no distance have no value.
        {0, 100, 135.0f, 35.0f, "135.0000", "35.0000", "0.0‰(0.0km)"},
        {1, 0, 135.0f, 35.0f, "135.0000", "35.0000", "0.0°(0.0km)"},
        // The first place keeps its last second: 45'00" and 41'30", not 44'99" and 41'29".
        {3, 0, 139.4500f, 35.4130f, "139.4500", "35.4130", "0.0m(0.0km)"},
        {3, 0, 139.4500f, 34.4100f, "139.4500", "34.4100", "0.0m(0.0km)"},
        // Texts that are no number read 0.
        {3, 1, 0.0f, 0.0f, "東経", "", "1.0m(0.0km)"},
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        const auto label = Draw(dc, c.mode, c.value, c.lon1, c.lat1, c.lon2, c.lat2);
        ASSERT_TRUE(label) << c.text;
        EXPECT_EQ(label->text, c.text);
    }
}

TEST(DistanceLabel, OtherModesDrawNothing)
{
    for (int mode : {2, 4, -1}) {
        vd::RecordingDc dc;
        const vd::DcState before = dc.State();
        EXPECT_FALSE(Draw(dc, mode, 100, 135.0f, 35.0f, "135.0000", "36.0000")) << mode;
        EXPECT_EQ(dc.State().font, before.font);
        EXPECT_EQ(dc.State().bkMode, before.bkMode);
    }
}

TEST(DistanceLabel, PlacementFontColourAndBackground)
{
    struct Case {
        int colour;
        int background;
        int reduction;
        vd::COLORREF drawn;
        int bkMode;
    };
    const Case cases[] = {
        {0, 0, 0, vd::RGB(0, 0, 0), vd::TRANSPARENT},
        {1, 0, 2, vd::RGB(255, 0, 0), vd::TRANSPARENT},
        {2, 1, 0, vd::RGB(0, 0, 255), vd::OPAQUE},
        {3, 0, 0, vd::RGB(255, 255, 255), vd::TRANSPARENT},
        {7, 1, 0, vd::RGB(9, 9, 9), vd::OPAQUE}, // the caller's colour stays
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        dc.SetTextColor(vd::RGB(9, 9, 9));
        const vd::Font callerFont = dc.State().font;
        const auto label = Draw(dc, 3, 5, 135.0f, 35.0f, "135.0000", "36.0000", c.colour, c.background, c.reduction);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->at, (vd::Point{40, 69}));
        EXPECT_EQ(label->colour, c.drawn) << c.colour;
        EXPECT_EQ(label->bkMode, c.bkMode) << c.colour;
        EXPECT_EQ(label->font.GetLogFont().lfHeight, 13 - c.reduction);
        EXPECT_EQ(label->font.GetLogFont().lfFaceName, "ＭＳ ゴシック");
        EXPECT_EQ(dc.State().font, callerFont);
        EXPECT_EQ(dc.State().textColour, vd::RGB(0, 0, 0));
        EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    }
}

} // namespace
