#include "platform/text/Format.h"

#include "platform/text/Cp932.h"
#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/FloatDigits.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vd {
namespace {

struct Spec {
    bool left = false;  // "-"
    bool plus = false;  // "+"
    bool space = false; // " "
    bool alt = false;   // "#"
    bool zero = false;  // "0"
    int width = 0;
    int precision = -1; // -1: none given
    char conversion = 0;
};

class ArgList {
public:
    explicit ArgList(std::span<const FormatArg> args) : args_(args) {}
    const FormatArg* next() { return index_ < args_.size() ? &args_[index_++] : nullptr; }

    int nextInt()
    {
        const FormatArg* arg = next();
        if (!arg)
            return 0;
        if (arg->kind() == FormatArg::Kind::Integer)
            return static_cast<int>(arg->integer());
        if (arg->kind() == FormatArg::Kind::Floating)
            return static_cast<int>(arg->floating());
        return 0;
    }

private:
    std::span<const FormatArg> args_;
    std::size_t index_ = 0;
};

int readNumber(std::string_view format, std::size_t& pos)
{
    int value = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        if (value < 100'000'000)
            value = value * 10 + (format[pos] - '0');
        ++pos;
    }
    return value;
}

// Parses the conversion after "%"; returns false for an incomplete or unknown one.
bool parseSpec(std::string_view format, std::size_t& pos, ArgList& args, Spec& spec)
{
    for (; pos < format.size(); ++pos) {
        const char c = format[pos];
        if (c == '-') spec.left = true;
        else if (c == '+') spec.plus = true;
        else if (c == ' ') spec.space = true;
        else if (c == '#') spec.alt = true;
        else if (c == '0') spec.zero = true;
        else break;
    }
    if (pos < format.size() && format[pos] == '*') {
        ++pos;
        spec.width = args.nextInt();
        if (spec.width < 0) { // a negative width from an argument means "-" and its size
            spec.left = true;
            spec.width = spec.width == std::numeric_limits<int>::min() ? 0 : -spec.width;
        }
    } else {
        spec.width = readNumber(format, pos);
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (pos < format.size() && format[pos] == '*') {
            ++pos;
            const int precision = args.nextInt();
            spec.precision = precision < 0 ? -1 : precision;
        } else {
            spec.precision = readNumber(format, pos);
        }
    }
    // Length modifiers: the argument carries its own size.
    while (pos < format.size()) {
        const char c = format[pos];
        if (c == 'h' || c == 'l' || c == 'L' || c == 'j' || c == 'z' || c == 't' || c == 'q') {
            ++pos;
        } else if (format.substr(pos, 3) == "I64" || format.substr(pos, 3) == "I32") {
            pos += 3;
        } else {
            break;
        }
    }
    if (pos >= format.size())
        return false;
    spec.conversion = format[pos++];
    return std::string_view("diuxXcseEfFgG").find(spec.conversion) != std::string_view::npos;
}

// Sign (or prefix), then the digits, padded to the width: blanks before the sign, zeros
// between sign and digits, or blanks after everything when left-justified.
void appendPadded(std::string& out, const Spec& spec, std::string_view prefix, std::string_view body, bool zeroPad)
{
    const int length = static_cast<int>(prefix.size() + body.size());
    const int fill = spec.width > length ? spec.width - length : 0;
    if (!spec.left && !zeroPad)
        out.append(static_cast<std::size_t>(fill), ' ');
    out += prefix;
    if (!spec.left && zeroPad)
        out.append(static_cast<std::size_t>(fill), '0');
    out += body;
    if (spec.left)
        out.append(static_cast<std::size_t>(fill), ' ');
}

std::string_view signFor(bool negative, const Spec& spec)
{
    if (negative) return "-";
    if (spec.plus) return "+";
    if (spec.space) return " ";
    return "";
}

void formatInteger(std::string& out, const Spec& spec, const FormatArg& arg)
{
    std::int64_t value;
    int bits = 32;
    if (arg.kind() == FormatArg::Kind::Integer) {
        value = arg.integer();
        bits = arg.bits();
    } else if (arg.kind() == FormatArg::Kind::Floating) {
        const double d = std::trunc(arg.floating());
        value = std::isnan(d) ? 0 : d >= 9.2e18 ? INT64_MAX : d <= -9.2e18 ? INT64_MIN : static_cast<std::int64_t>(d);
        bits = 64;
    } else {
        value = 0;
    }

    // The argument's bits read as the conversion's type, as printf does.
    const bool isSigned = spec.conversion == 'd' || spec.conversion == 'i';
    std::uint64_t magnitude;
    bool negative = false;
    if (bits == 32) {
        const auto raw = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value));
        const auto asSigned = static_cast<std::int32_t>(raw);
        negative = isSigned && asSigned < 0;
        magnitude = negative ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(asSigned)) : raw;
    } else {
        const auto raw = static_cast<std::uint64_t>(value);
        negative = isSigned && static_cast<std::int64_t>(raw) < 0;
        magnitude = negative ? 0 - raw : raw;
    }

    const int base = spec.conversion == 'x' || spec.conversion == 'X' ? 16 : 10;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, base);
    std::string digits(buffer, result.ptr);
    if (spec.conversion == 'X')
        for (char& c : digits)
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 'a' + 'A');
    if (spec.precision == 0 && magnitude == 0)
        digits.clear();
    if (spec.precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<std::size_t>(spec.precision) - digits.size(), '0');

    std::string_view prefix;
    if (isSigned)
        prefix = signFor(negative, spec);
    else if (base == 16 && spec.alt && magnitude != 0)
        prefix = spec.conversion == 'X' ? "0X" : "0x";
    appendPadded(out, spec, prefix, digits, spec.zero && spec.precision < 0);
}

std::string exponentText(int exponent, bool upper)
{
    std::string text(1, upper ? 'E' : 'e');
    text += exponent < 0 ? '-' : '+';
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 3)
        text.append(3 - digits.size(), '0');
    return text + digits;
}

// Trailing zeros of a fraction (and a point left alone) go, for %g without "#".
void stripTrailingZeros(std::string& mantissa)
{
    if (mantissa.find('.') == std::string::npos)
        return;
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
}

std::string floatingBody(double magnitude, const Spec& spec)
{
    const char conversion = spec.conversion;
    const bool upper = conversion == 'E' || conversion == 'G' || conversion == 'F';
    const int precision = spec.precision < 0 ? 6 : spec.precision;
    std::string body;
    if (conversion == 'f' || conversion == 'F') {
        body = floatdigits::fixed(magnitude, precision);
        if (spec.alt && precision == 0)
            body += '.';
        return body;
    }
    if (conversion == 'e' || conversion == 'E') {
        const floatdigits::Scientific s = floatdigits::scientific(magnitude, precision);
        body = s.mantissa;
        if (spec.alt && precision == 0)
            body += '.';
        return body + exponentText(s.exponent, upper);
    }
    // %g: the exponent of the rounded value chooses the style; "#" keeps zeros and the point.
    const int significant = precision == 0 ? 1 : precision;
    const floatdigits::Scientific s = floatdigits::scientific(magnitude, significant - 1);
    const bool exponentForm = s.exponent < -4 || s.exponent >= significant;
    body = exponentForm ? s.mantissa : floatdigits::fixed(magnitude, significant - 1 - s.exponent);
    if (!spec.alt)
        stripTrailingZeros(body);
    else if (body.find('.') == std::string::npos)
        body += '.';
    return exponentForm ? body + exponentText(s.exponent, upper) : body;
}

void formatFloating(std::string& out, const Spec& spec, const FormatArg& arg)
{
    double value = 0;
    if (arg.kind() == FormatArg::Kind::Floating)
        value = arg.floating();
    else if (arg.kind() == FormatArg::Kind::Integer)
        value = arg.isUnsigned() ? static_cast<double>(static_cast<std::uint64_t>(arg.integer()))
                                 : static_cast<double>(arg.integer());
    const bool negative = std::signbit(value);
    const bool upper = spec.conversion == 'E' || spec.conversion == 'G' || spec.conversion == 'F';
    if (!std::isfinite(value)) {
        const std::string_view body = std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
        appendPadded(out, spec, signFor(negative && !std::isnan(value), spec), body, false);
        return;
    }
    appendPadded(out, spec, signFor(negative, spec), floatingBody(std::fabs(value), spec), spec.zero);
}

void formatText(std::string& out, const Spec& spec, std::string_view text)
{
    const std::string cut = spec.precision >= 0 ? cp932Left(text, spec.precision) : std::string(text);
    out += cp932Pad(cut, spec.width, spec.left ? Justify::Left : Justify::Right);
}

void formatTextArg(std::string& out, const Spec& spec, const FormatArg& arg)
{
    if (arg.kind() == FormatArg::Kind::Text) {
        formatText(out, spec, arg.text());
        return;
    }
    Spec number;
    number.conversion = arg.kind() == FormatArg::Kind::Integer ? (arg.isUnsigned() ? 'u' : 'd') : 'g';
    std::string text;
    if (number.conversion == 'g')
        formatFloating(text, number, arg);
    else
        formatInteger(text, number, arg);
    formatText(out, spec, text);
}

void formatCharacter(std::string& out, const Spec& spec, const FormatArg& arg)
{
    std::string character;
    if (arg.kind() == FormatArg::Kind::Text) {
        if (!arg.text().empty())
            character = Cp932Chars(arg.text()).begin()->utf8;
    } else {
        const auto byte = static_cast<unsigned char>(arg.kind() == FormatArg::Kind::Integer
                                                         ? arg.integer()
                                                         : static_cast<std::int64_t>(arg.floating()));
        character = byte < 0x80 ? std::string(1, static_cast<char>(byte))
                                : cp932ToUtf8(std::string_view(reinterpret_cast<const char*>(&byte), 1));
    }
    Spec padding = spec;
    padding.precision = -1;
    formatText(out, padding, character);
}

} // namespace

std::string formatArgs(std::string_view format, std::span<const FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    ArgList list(args);
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        if (percent == std::string_view::npos) {
            out += format.substr(pos);
            break;
        }
        out += format.substr(pos, percent - pos);
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out += '%';
            pos = percent + 2;
            continue;
        }
        pos = percent + 1;
        Spec spec;
        if (!parseSpec(format, pos, list, spec)) {
            out += format.substr(percent, pos - percent);
            continue;
        }
        const FormatArg* arg = list.next();
        if (!arg)
            continue;
        switch (spec.conversion) {
        case 'd': case 'i': case 'u': case 'x': case 'X':
            formatInteger(out, spec, *arg);
            break;
        case 'e': case 'E': case 'f': case 'F': case 'g': case 'G':
            formatFloating(out, spec, *arg);
            break;
        case 's':
            formatTextArg(out, spec, *arg);
            break;
        case 'c':
            formatCharacter(out, spec, *arg);
            break;
        }
    }
    return out;
}

} // namespace vd
