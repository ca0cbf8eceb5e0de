#include "platform/text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace vd {
namespace {

bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    char peek() const { return pos < text.size() ? text[pos] : '\0'; }
    void skipBlanks()
    {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    }
    bool takeSign() // true when negative
    {
        const char c = peek();
        if (c == '+' || c == '-') {
            ++pos;
            return c == '-';
        }
        return false;
    }
    std::string_view takeDigits()
    {
        const std::size_t first = pos;
        while (isDigit(peek()))
            ++pos;
        return text.substr(first, pos - first);
    }
};

} // namespace

int parseInt(std::string_view text)
{
    Cursor in{text};
    in.skipBlanks();
    const bool negative = in.takeSign();
    const std::string_view digits = in.takeDigits();
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    (void)end;
    const unsigned long long limit = negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    if (error == std::errc::result_out_of_range || magnitude > limit)
        return negative ? INT_MIN : INT_MAX;
    return negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
}

double parseDouble(std::string_view text)
{
    Cursor in{text};
    in.skipBlanks();
    const bool negative = in.takeSign();
    const std::string_view whole = in.takeDigits();
    std::string_view fraction;
    if (in.peek() == '.') {
        ++in.pos;
        fraction = in.takeDigits();
    }
    if (whole.empty() && fraction.empty())
        return 0.0; // nothing converted

    // The exponent counts only when digits follow its letter and sign.
    long long exponent = 0;
    {
        Cursor e = in;
        const char letter = e.peek();
        if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
            ++e.pos;
            const bool negativeExponent = e.takeSign();
            const std::string_view digits = e.takeDigits();
            for (const char d : digits)
                exponent = std::min(exponent * 10 + (d - '0'), 1'000'000'000LL);
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    std::string number;
    number.reserve(whole.size() + fraction.size() + 16);
    number.append(whole.empty() ? std::string_view("0") : whole);
    number += '.';
    number.append(fraction);
    number += 'e';
    number += std::to_string(exponent);

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Overflow or underflow: the decimal magnitude of the first significant digit decides.
        const std::size_t firstWhole = whole.find_first_not_of('0');
        long long magnitude;
        if (firstWhole != std::string_view::npos) {
            magnitude = static_cast<long long>(whole.size() - firstWhole);
        } else {
            const std::size_t firstFraction = fraction.find_first_not_of('0');
            if (firstFraction == std::string_view::npos)
                return negative ? -0.0 : 0.0;
            magnitude = -static_cast<long long>(firstFraction);
        }
        value = magnitude + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

} // namespace vd
