#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using vd::format;

struct Case {
    std::string actual;
    std::string expected;
};

void check(std::initializer_list<Case> cases)
{
    int row = 0;
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << "row " << row++;
}

// Exact binary ties round away from zero; anything else to the nearest, judged on the exact
// binary value (0.15 is 0.1499999999999999944...).
TEST(Format, FixedRoundsExactTiesAwayFromZero)
{
    check({
        {format("%.1f", 0.25), "0.3"},   // glibc: 0.2
        {format("%.1f", -0.25), "-0.3"},
        {format("%.1f", 0.15), "0.1"},
        {format("%.1f", 0.35), "0.3"},   // 0.34999...
        {format("%.1f", 0.45), "0.5"},   // 0.45000...0111
        {format("%.0f", 0.5), "1"},
        {format("%.0f", 2.5), "3"},      // glibc: 2
        {format("%.0f", -2.5), "-3"},
        {format("%.0f", 9.5), "10"},
        {format("%.2f", 0.125), "0.13"}, // glibc: 0.12
        {format("%.2f", 1.005), "1.00"}, // 1.00499...
        {format("%.1f", 9.95), "9.9"},   // 9.9499...
        {format("%.2f", 99.995), "100.00"}, // 99.99500000000000454...
        {format("%.3f", 2.0625), "2.063"},
        {format("%f", 1.0 / 3), "0.333333"},
        {format("%0.1f", 0.25f), "0.3"}, // a float is widened first
        {format("%.1f", -0.04), "-0.0"},
        {format("%.1f", 1e21), "1000000000000000000000.0"},
    });
}

TEST(Format, ExponentAndGeneralFormsRoundTiesAwayToo)
{
    check({
        {format("%e", 1234.5), "1.234500e+003"},
        {format("%.2e", 1.125), "1.13e+000"},  // tie after the point
        {format("%.1e", 125.0), "1.3e+002"},   // tie in the units
        {format("%.1e", 1250000.0), "1.3e+006"},
        {format("%.0e", 9.5), "1e+001"},       // carry into the exponent
        {format("%E", 0.0), "0.000000E+000"},
        {format("%e", 1e-10), "1.000000e-010"},
        {format("%g", 0.0001), "0.0001"},
        {format("%g", 0.00001), "1e-005"},
        {format("%g", 123456.0), "123456"},
        {format("%g", 1234567.0), "1.23457e+006"},
        {format("%g", 2.5), "2.5"},
        {format("%.1g", 0.25), "0.3"},
        {format("%.2g", 99.5), "1e+002"},      // the tie carries to 100: exponent form
        {format("%#g", 1.0), "1.00000"},
        {format("%G", 1e-20), "1E-020"},
    });
}

TEST(Format, FloatingFlagsWidthAndPrecision)
{
    check({
        {format("%8.4f", 135.5), "135.5000"},
        {format("%7.2f", -1.005), "  -1.00"},
        {format("%04.2f", 1.5), "1.50"},
        {format("%08.3f", -3.14159), "-003.142"},
        {format("%+.1f", 0.25), "+0.3"},
        {format("% .1f", 0.25), " 0.3"},
        {format("%-8.1f|", 0.25), "0.3     |"},
        {format("%#.0f", 3.0), "3."},
        {format("%.*f", 2, 0.125), "0.13"},
        {format("%*.*f", 7, 1, 0.25), "    0.3"},
        {format("%f", std::numeric_limits<double>::infinity()), "inf"},
        {format("%f", -std::numeric_limits<double>::infinity()), "-inf"},
        {format("%5.1f", std::nan("")), "  nan"},
        {format("%f", 3), "3.000000"}, // an int for %f is widened
    });
}

TEST(Format, Integers)
{
    check({
        {format("%d", 42), "42"},
        {format("%i", -7), "-7"},
        {format("%5d", -42), "  -42"},
        {format("%-5d|", -42), "-42  |"},
        {format("%05d", -42), "-0042"},
        {format("%02d", 7), "07"},
        {format("%+d %+d", 5, -5), "+5 -5"},
        {format("% d", 5), " 5"},
        {format("%.3d", 7), "007"},
        {format("%5.3d", -7), " -007"},
        {format("%.0d", 0), ""},
        {format("%u", -1), "4294967295"},
        {format("%x %X %#x %#X", 255, 255, 255, 0), "ff FF 0xff 0"},
        {format("%x", -1), "ffffffff"},
        {format("%08X", 0xBEEFu), "0000BEEF"},
        {format("%ld %lld", 123L, std::numeric_limits<std::int64_t>::min()), "123 -9223372036854775808"},
        {format("%llu", std::numeric_limits<std::uint64_t>::max()), "18446744073709551615"},
        {format("%d", 3000000000u), "-1294967296"}, // the bits read as int, as printf does
        {format("%d %d", 3.99, -3.99), "3 -3"},     // a double for %d is truncated
        {format("%*d|%-*d|%*d", 5, 42, 4, 1, -3, 9), "   42|1   |9  "},
        {format("%d", 'A'), "65"},
        {format("%d", true), "1"},
    });
}

TEST(Format, TextsArePaddedAndCutByCp932Bytes)
{
    const std::string name = "東京タワー";
    check({
        {format("%-6s|", "表"), "表    |"},
        {format("%6s|", "表"), "    表|"},
        {format("%-4s|", "ｱｲ"), "ｱｲ  |"},
        {format("%-13sd", "ﾄｳｷｮｳ"), "ﾄｳｷｮｳ" + std::string(8, ' ') + "d"},
        {format("%.3s", "表ソ"), "表"},    // a precision never cuts a character in two
        {format("%.4s|%5.3s|", "表ソ", "abcdef"), "表ソ|  abc|"},
        {format("%-30s%2.4f   %3.4f  %-10d%-13sd", name, 35.6586, 139.7454, 0, "ﾀﾜｰ"),
         name + std::string(20, ' ') + "35.6586   139.7454  0" + std::string(9, ' ') + "ﾀﾜｰ" + std::string(10, ' ') + "d"},
        {format("%s", std::string_view("view")), "view"},
        {format("%s", static_cast<const char*>(nullptr)), ""},
        {format("%s|%s", 5, 2.5), "5|2.5"},
        {format("%c%c%3c", 'A', 0xB1, 'x'), "Aｱ  x"},
        {format("%c", "表x"), "表"},
    });
}

TEST(Format, PercentSignsAndBadConversions)
{
    check({
        {format("100%%"), "100%"},
        {format("100%"), "100%"},
        {format("%y %d", 5), "%y 5"},
        {format("%d %d", 1), "1 "},        // a missing argument writes nothing
        {format("%d", 1, 2, 3), "1"},      // extra arguments are ignored
        {format("%2d/%3d (%d秒)", 3, 45, 7), " 3/ 45 (7秒)"},
        {format("大 %2d ", 5), "大  5 "},
        {format("no conversions"), "no conversions"},
    });
}

} // namespace
