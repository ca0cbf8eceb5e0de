// The Tokyo-datum export as a caller uses it: the longitude first, the latitude first back, the
// range messages through the ui script.
#include "contracts/surrick.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

TEST(TokyoDatum, ConvertsOrReturnsTheTextsWithTheRangeMessage)
{
    struct Case {
        const char* what;
        const char* longitude;
        const char* latitude;
        const char* result;
        const char* message; // "" when none
    };
    const Case cases[] = {
        {"a point in Japan", "139.4500", "35.3938", "35.3950/139.4448", ""},
        // 35 degrees 39 minutes 59.67 seconds rounds to a whole minute and carries.
        {"seconds that round to 60", "139.4500", "35.3948", "35.4000/139.4448", ""},
        {"north of 46 degrees 40 minutes", "139.4500", "47.0000", "47.0000/139.4500", ""},
        {"latitude below 20 degrees", "139.4500", "19.5959", "19.5959/139.4500",
         "入力された(緯度 19度 59分 59.0000秒)は日本の領土外です。"},
        {"negative latitude", "139.4500", "-35.3000", "-35.3000/139.4500",
         "入力された(緯度 -35度 30分 0.0000秒)は日本の領土外です。"},
        {"longitude past 154 degrees", "155.0000", "35.0000", "35.0000/155.0000",
         "入力された(経度 155度 0分 0.0000秒)は日本の領土外です。"},
        {"a longitude that is no number", "東経", "35.0000", "35.0000/東経",
         "入力された(経度 0度 0分 0.0000秒)は日本の領土外です。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto script = vd::ui::Script::install();
        EXPECT_EQ(OnTkyItrf(c.longitude, c.latitude), c.result);
        if (*c.message) {
            ASSERT_EQ(script->messageBoxes().size(), 1u);
            EXPECT_EQ(script->messageBoxes()[0].text, c.message);
            EXPECT_TRUE(script->messageBoxes()[0].style & vd::MB_ICONEXCLAMATION);
        } else {
            EXPECT_TRUE(script->messageBoxes().empty());
        }
    }
}

TEST(TokyoDatum, BothCoordinatesOutsideShowBothMessages)
{
    auto script = vd::ui::Script::install();
    EXPECT_EQ(OnTkyItrf("100.0000", "10.0000"), "10.0000/100.0000");
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_NE(script->messageBoxes()[0].text.find("緯度 10度"), std::string::npos);
    EXPECT_NE(script->messageBoxes()[1].text.find("経度 100度"), std::string::npos);
}

} // namespace
