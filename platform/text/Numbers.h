#pragma once
// Numbers read from texts as the old runtime's atoi and atof read them, whatever the user's
// locale (a comma-decimal LC_NUMERIC changes nothing). Formatting is vd::format's.
#include <string_view>

namespace vd {

// atoi: leading white space, an optional sign, then decimal digits up to the first non-digit;
// a text without digits reads as 0. A value beyond int is clamped to INT_MIN / INT_MAX.
int parseInt(std::string_view text);

// atof: leading white space, an optional sign, digits with an optional ".", then an optional
// exponent ("e", "E", and as the old runtime also "d", "D", with an optional sign and digits);
// reading stops at the first character that does not fit, and a text without digits reads as 0.
// "inf", "nan" and hexadecimal forms read as 0, as they did. Too large gives ±HUGE_VAL, too
// small 0.
double parseDouble(std::string_view text);

} // namespace vd
