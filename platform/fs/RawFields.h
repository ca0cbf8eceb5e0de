#pragma once
// Fixed-column records: a raw CP932 line is cut into fields on its bytes first, and only then
// is each text field converted, so a column is the byte column the published format gives.
// Columns count from 0; a field reaching past the end of the line is cut short, one starting
// past it is empty.
#include <string>
#include <string_view>

namespace vd {

// The bytes [start, start + length) of a raw line; length < 0 means "to the end".
std::string_view rawField(std::string_view rawLine, int start, int length = -1);

// The field exactly length bytes wide: what lies past the end of the line reads as blanks.
std::string paddedRawField(std::string_view rawLine, int start, int length);

// The same field converted to UTF-8.
std::string textField(std::string_view rawLine, int start, int length = -1);

} // namespace vd
