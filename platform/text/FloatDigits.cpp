#include "platform/text/FloatDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vd::floatdigits {
namespace {

// Whether magnitude lies exactly halfway between two multiples of 10^-position (position > 0:
// a digit after the point; position <= 0: the units digit or one before it).
// After the point: halfway at digit k means the lowest set bit of the binary value is 2^-k, so
// magnitude * 2^k is an odd integer (a power-of-two scaling, exact).
// Before it: magnitude is an integer ending in 5 followed by -position zeros; such a double is
// below 2^53 * 10^21, so the test is exact with powers of ten up to 10^22.
bool isTie(double magnitude, int position)
{
    if (position > 0) {
        const double scaled = std::ldexp(magnitude, position);
        return std::isfinite(scaled) && std::fmod(scaled, 2.0) == 1.0;
    }
    const int zeros = -position;
    if (zeros > 21)
        return false;
    double unit = 1; // 10^zeros, exact up to 10^22
    for (int i = 0; i < zeros; ++i)
        unit *= 10;
    return std::fmod(magnitude, unit * 10.0) == unit * 5.0;
}

std::string toChars(double value, std::chars_format format, int precision)
{
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 330);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// Drops the last digit (an exact 5) and rounds the rest up. Returns true when the carry ran off
// the front ("9.95" -> "10.0").
bool roundUpDroppingLast(std::string& digits)
{
    digits.pop_back();
    if (!digits.empty() && digits.back() == '.')
        digits.pop_back();
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

int precisionFor(int precision)
{
    return precision < 0 ? 0 : precision;
}

} // namespace

std::string fixed(double magnitude, int precision)
{
    precision = precisionFor(precision);
    if (!isTie(magnitude, precision + 1))
        return toChars(magnitude, std::chars_format::fixed, precision);
    std::string digits = toChars(magnitude, std::chars_format::fixed, precision + 1); // exact
    roundUpDroppingLast(digits);
    return digits;
}

Scientific scientific(double magnitude, int precision)
{
    precision = precisionFor(precision);
    const auto split = [](const std::string& text) {
        const std::size_t e = text.find('e');
        return Scientific{text.substr(0, e), std::atoi(text.c_str() + e + 1)};
    };
    if (magnitude == 0)
        return split(toChars(0.0, std::chars_format::scientific, precision));
    // One digit more shows a candidate tie ("...5"); it is exact exactly when it is a tie, and
    // then its exponent is the true one.
    Scientific longer = split(toChars(magnitude, std::chars_format::scientific, precision + 1));
    if (longer.mantissa.back() != '5' || !isTie(magnitude, precision + 1 - longer.exponent))
        return split(toChars(magnitude, std::chars_format::scientific, precision));
    if (roundUpDroppingLast(longer.mantissa)) {
        // "9.95" became "10.0": one digit fewer before the point, one more in the exponent.
        longer.mantissa = toChars(1.0, std::chars_format::scientific, precision);
        longer.mantissa.resize(longer.mantissa.find('e'));
        ++longer.exponent;
    }
    return longer;
}

} // namespace vd::floatdigits
