#pragma once
// The values of the nature, land-use, land-class and climate mesh records as colour classes:
// a class is 0-10 (an index of the class ramp), 999 for a name, or -1 for a record without data,
// which is not drawn. The label is the short text of the value for legends and cell labels, in
// the record's own bytes (raw CP932) for names. Columns count from 0; a column past the end of the
// line is empty.
#include <string>
#include <string_view>

namespace meshcode {

inline constexpr int kNoClass = -1;
inline constexpr int kNameClass = 999;

// The class width of an item: theme 0 the nature and climate items, 30 the coastal sea; any
// other theme 1.
int ClassWidth(int theme, int item);

struct DecodedValue {
    int result = kNoClass;
    std::string label;
    friend bool operator==(const DecodedValue&, const DecodedValue&) = default;
};

// The nature meshes (river length, coastal sea, designated areas): items 0-8 and 10-12. Without
// `labelled` the numbers are not formatted (the label is empty but for a name).
DecodedValue DecodeNatureValue(std::string_view line, int item, int classWidth, bool labelled = true);

// The value of a third-level record of theme 0 (climate), 10 (land-use shares) or 20 (land
// classes); where the record lies is the caller's test. Without `labelled` the climate numbers
// are not formatted.
DecodedValue DecodeMeshValue(std::string_view line, int theme, int item, int classWidth, bool labelled = true);

} // namespace meshcode
