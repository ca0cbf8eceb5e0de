#pragma once
// What the census table viewer knows of the published census tables: the thirteen table codes
// that make a file a known table, the readable names of the fixed columns and of the item codes
// (a table code followed by five digits), and the table group that tints the list.
#include <optional>
#include <string>
#include <string_view>

// Whether the header line holds one of the known table codes anywhere ("P0005" also inside
// another code).
bool IsKnownCensusTable(std::string_view headerLine);

// The readable name of a fixed column ("KEY_CODE" -> "地域コード") or of an item code; none for
// other codes. Codes match exactly.
std::optional<std::string> CensusFixedColumnName(std::string_view code);
std::optional<std::string> CensusItemName(std::string_view code);

// The table group (1 population, 2 households, 3 establishments) that a header field selects:
// the integer read from its bytes 1 to 4 (the first byte is not looked at), whether or not the
// code itself is listed; none for other fields.
std::optional<int> CensusTableGroup(std::string_view headerField);
