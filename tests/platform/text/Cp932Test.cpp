#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseText)
{
    const std::string text = "表ソポ～ｱｲｳ abc";
    const std::string bytes = vd::utf8ToCp932(text);
    EXPECT_EQ(vd::cp932ToUtf8(bytes), text);
    EXPECT_EQ(vd::cp932Width(text), 2 * 4 + 3 + 4);
}
