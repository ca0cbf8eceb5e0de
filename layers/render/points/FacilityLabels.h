#pragma once
// The labels of the tide, coastal, tidal-limit, harbour, fishing-port and airport themes by key
// (mode code + label selector). A key may ask for one record kind; a record of another kind, or
// with its value marked missing, has no label and is not drawn.
#include <optional>
#include <string>
#include <string_view>

namespace points {

// The record kind: for mode code 40 the 2-digit number in columns 25-26, else the digit in 25.
int FacilityRecordKind(int modeCode, std::string_view line);

// The label, or none for a record that the key skips. Keys outside the table label the whole line.
std::optional<std::string> FacilityLabel(int modeCode, int key, std::string_view line);

// Key 101's size text by facility type (columns 63-64) and size (70-76, "9999999" missing).
std::optional<std::string> FacilitySizeText(std::string_view line);

} // namespace points
