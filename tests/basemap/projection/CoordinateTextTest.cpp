#include "basemap/projection/CoordinateText.h"

#include <gtest/gtest.h>

namespace {

TEST(CoordinateText, DmsToSecondsReadsDegreesMinutesAndSeconds)
{
    const struct { const char* text; int seconds; } cases[] = {
        {"34.4130", 124890},  {"135.0000", 486000}, {"135.3100", 487860}, {"35.5", 126300},
        {"0.0000", 0},        {"1.0005", 3605},     {" 34.4130", 124890}, {"34.41", 124860},
        {"34.", 122400},      {"3441", 2081},       {"", 0},              {"abc.xyz", 0},
        // The sign belongs to the whole value.
        {"-35.3000", -127800}, {"-0.3000", -1800},  {"-135.3121", -487881},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DmsToSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(CoordinateText, SecondsToDmsWritesTwoDigitMinutesAndSeconds)
{
    const struct { int seconds; const char* text; } cases[] = {
        {124890, "34.4130"}, {486000, "135.0000"}, {3605, "1.0005"}, {0, "0.0000"},
        {487881, "135.3121"}, {35999, "9.5959"}, {-127800, "-35.3000"}, {-1800, "-0.3000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SecondsToDms(c.seconds), c.text) << c.seconds;
        EXPECT_EQ(DmsToSeconds(SecondsToDms(c.seconds)), c.seconds) << c.seconds;
    }
}

} // namespace
