#pragma once
// Fixed-column records: a raw CP932 line is cut into fields on its bytes first, and only then
// is each text field converted, so a column is the byte column the published format gives.
// Columns count from 0; a field reaching past the end of the line is cut short, one starting
// past it is empty.
#include "platform/text/Numbers.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace vd {

// The bytes [start, start + length) of a raw line; length < 0 means "to the end".
std::string_view rawField(std::string_view rawLine, int start, int length = -1);

// The field exactly length bytes wide: what lies past the end of the line reads as blanks.
std::string paddedRawField(std::string_view rawLine, int start, int length);

// The field read as parseInt reads it (the leading-digits rule): plain digits, after blanks, are
// summed in place; any other field goes through parseInt.
inline int rawFieldInt(std::string_view rawLine, int start, int length)
{
    if (start < 0)
        start = 0;
    if (static_cast<std::size_t>(start) >= rawLine.size())
        return 0;
    const std::size_t end = length < 0 ? rawLine.size()
                                       : std::min(rawLine.size(), static_cast<std::size_t>(start) + static_cast<std::size_t>(length));
    std::size_t i = static_cast<std::size_t>(start);
    if (end - i <= 9) { // nine digits cannot overflow
        while (i < end && rawLine[i] == ' ')
            ++i;
        int value = 0;
        for (; i < end; ++i) {
            const unsigned digit = static_cast<unsigned char>(rawLine[i]) - unsigned('0');
            if (digit > 9)
                return parseInt(rawLine.substr(static_cast<std::size_t>(start), end - static_cast<std::size_t>(start)));
            value = value * 10 + int(digit);
        }
        return value;
    }
    return parseInt(rawLine.substr(static_cast<std::size_t>(start), end - static_cast<std::size_t>(start)));
}

// The same field converted to UTF-8.
std::string textField(std::string_view rawLine, int start, int length = -1);

} // namespace vd
