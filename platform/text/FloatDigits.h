#pragma once
// Decimal digits of a finite, non-negative double, rounded as the old runtime rounded: on the
// exact binary value, with exact ties away from zero (glibc and std::to_chars round them to
// even). Used by vd::format.
#include <string>

namespace vd::floatdigits {

// "ddd.ddd" with precision digits after the point (no point when precision is 0).
std::string fixed(double magnitude, int precision);

struct Scientific {
    std::string mantissa; // "d.ddd" with precision digits after the point (no point when 0)
    int exponent;
};
Scientific scientific(double magnitude, int precision);

} // namespace vd::floatdigits
