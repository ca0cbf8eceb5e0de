#pragma once
// vd::format: printf-like formatting into a UTF-8 std::string, type-safe (a variadic template,
// no C varargs) and independent of the user's locale.
//
// Conversions: %d %i %u %x %X %c %s %e %E %f %F %g %G %%, with the flags "-", "+", " ", "#",
// "0", a width and a precision (each may be "*", taken from an int argument); the length
// modifiers h, hh, l, ll, L, I64, j, z, t are accepted and ignored. As the old runtime did:
// - widths and precisions of %s count CP932 bytes ("%-6s" of "表" is "表" and four blanks) and
//   a precision never cuts a character in two;
// - floating-point output is rounded on the exact binary value with exact ties away from zero
//   ("%.1f" of 0.25 is "0.3", of 0.15, which is below 0.15 in binary, "0.1");
// - exponents have at least three digits ("%e" of 1234.5 is "1.234500e+003").
// %c writes the character of a CP932 byte (half-width katakana from 0xA1-0xDF).
// An argument of another kind than its conversion is converted (a double for %d is truncated,
// an int for %f widened, a number for %s written with %d or %g); a missing argument writes
// nothing and extra arguments are ignored. An unknown conversion is copied as it stands.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace vd {

class FormatArg {
public:
    enum class Kind { Integer, Floating, Text };

    template <class T>
        requires std::is_integral_v<T>
    FormatArg(T value)
        : kind_(Kind::Integer),
          integer_(static_cast<std::int64_t>(value)),
          unsigned_(std::is_unsigned_v<T>),
          bits_(sizeof(T) > 4 ? 64 : 32) // smaller types are promoted to int, as in C
    {
        if constexpr (std::is_same_v<T, bool> || sizeof(T) < 4)
            unsigned_ = false;
    }
    FormatArg(double value) : kind_(Kind::Floating), floating_(value) {}
    FormatArg(float value) : kind_(Kind::Floating), floating_(value) {}
    FormatArg(long double value) : kind_(Kind::Floating), floating_(static_cast<double>(value)) {}
    FormatArg(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}
    FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}
    FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}

    Kind kind() const { return kind_; }
    std::int64_t integer() const { return integer_; }
    bool isUnsigned() const { return unsigned_; }
    int bits() const { return bits_; }
    double floating() const { return floating_; }
    std::string_view text() const { return text_; }

private:
    Kind kind_;
    std::int64_t integer_ = 0;
    bool unsigned_ = false;
    int bits_ = 32;
    double floating_ = 0;
    std::string_view text_;
};

std::string formatArgs(std::string_view format, std::span<const FormatArg> args);

template <class... Args>
std::string format(std::string_view fmt, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0) {
        return formatArgs(fmt, {});
    } else {
        const FormatArg list[] = {FormatArg(args)...};
        return formatArgs(fmt, list);
    }
}

} // namespace vd
