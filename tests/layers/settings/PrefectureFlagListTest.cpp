#include "layers/settings/prefecture/PrefectureFlagList.h"

#include <gtest/gtest.h>

namespace {

std::string Fields(std::initializer_list<std::pair<int, int>> set)
{
    PrefectureFlags flags{};
    for (auto [field, value] : set)
        flags[field] = value;
    return FormatPrefectureFlagList(flags);
}

} // namespace

TEST(PrefectureFlagList, ReadsFieldsAndTheSinglePrefectureMark)
{
    const std::string tokyo = Fields({{13, 1}});
    struct Case {
        std::string input;
        std::vector<std::pair<int, int>> expected; // non-zero fields
        bool single;
    } cases[] = {
        {"", {}, false},
        {"-1", {}, false}, // no "|": every field 0, and "-1" is not the mark
        {tokyo, {{13, 1}}, false},
        {tokyo + "1", {{13, 1}}, true},
        {tokyo + "1x", {{13, 1}}, false},
        {tokyo + "11", {{13, 1}}, false},
        {tokyo + " 1", {{13, 1}}, false},
        // A missing "|" reads 0 and keeps the rest, which here is exactly "1".
        {"1|2|1", {{0, 1}, {1, 2}}, true},
        {"abc|7x| 3|-2|", {{1, 7}, {2, 3}, {3, -2}}, false},
        {"99999999999|", {{0, 2147483647}}, false},
    };
    for (const Case& c : cases) {
        const PrefectureFlagInput input = ParsePrefectureFlagInput(c.input);
        PrefectureFlags expected{};
        for (auto [field, value] : c.expected)
            expected[field] = value;
        EXPECT_EQ(input.flags, expected) << c.input;
        EXPECT_EQ(input.singlePrefecture, c.single) << c.input;
    }
}

TEST(PrefectureFlagList, WritesFortyEightFieldsAndReadsThemBack)
{
    PrefectureFlags flags{};
    flags[0] = 1;
    flags[47] = 2;
    const std::string text = FormatPrefectureFlagList(flags);
    EXPECT_EQ(text.substr(0, 6), "1|0|0|");
    EXPECT_EQ(text.substr(text.size() - 4), "0|2|");
    EXPECT_EQ(std::count(text.begin(), text.end(), '|'), 48);
    EXPECT_EQ(ParsePrefectureFlagInput(text).flags, flags);
    // Fields beyond the 48th are ignored.
    EXPECT_EQ(ParsePrefectureFlagInput(text + "5|6|").flags, flags);
}
