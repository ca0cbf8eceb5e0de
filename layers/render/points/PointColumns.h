#pragma once
// The fixed columns of a national-land point record (a raw CP932 line, columns counted from 0).
// A column is cut on whole characters: a double-byte character that straddles either edge of the
// range is left out, so a label never shows half a character. A column past the line's end, or
// one with a negative start, is empty; numbers take the leading digits (none: 0).
#include <string>
#include <string_view>

namespace points {

// Only lines starting with "P" are point records.
inline bool IsPointRecord(std::string_view line) { return line.starts_with('P'); }

std::string_view Column(std::string_view line, int start, int length);
std::string ColumnText(std::string_view line, int start, int length); // as UTF-8
int ColumnNumber(std::string_view line, int start, int length);
double ColumnDecimal(std::string_view line, int start, int length);

// Shortened before the first half-width blank, when there is one.
std::string CutAtBlank(std::string text);
// Shortened before the first full-width blank "　", when there is one.
std::string CutAtFullBlank(std::string text);
// Before the first half-width blank, or failing one before the first full-width blank.
std::string CutAtEitherBlank(std::string text);

} // namespace points
