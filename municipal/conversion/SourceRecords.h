#pragma once
// The pieces of the published link-and-area text files: source lines (at most 199 bytes), the
// count of lines that follow a link or area record, the points of a coordinate line, the link
// references of a reference line and the key under which a link is found.
#include "municipal/conversion/SourceTheme.h"
#include "platform/fs/TextReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace municipal {

inline constexpr std::size_t kSourceLineLimit = 199;
inline constexpr std::size_t kCoordinateLineLimit = 80;
inline constexpr int kItemsPerLine = 5;

// Raw CP932 lines of a source file, each cut at 199 bytes.
class SourceLineReader {
public:
    [[nodiscard]] bool open(std::string_view winPath) { return reader_.open(winPath); }
    [[nodiscard]] bool next(std::string& line);

private:
    vd::TextReader reader_;
};

// The number in a field (atoi: leading blanks, sign, digits; anything else reads 0).
int NumberField(std::string_view line, int start, int length = -1);

// The lines that follow a record announcing `count` points or references: five to a line, and
// one line also for a count of 0; a negative count announces none.
int FollowingLineCount(int count);

// Appends the points of one coordinate line (five 16-byte pieces of two 8-byte numbers,
// longitude first, in the line's first 80 bytes). False once the link has ended: at a piece
// whose numbers are both 0, or one that is empty or all blank.
bool AppendLinkPoints(std::string_view line, std::vector<BoundaryPoint>& points);

struct LinkReference {
    int linkNumber = 0;
    int subNumber = 0; // negative: the link is walked backwards
};

// Appends the references of one reference line (five 14-byte pieces whose first 12 bytes count:
// a 6-byte link number and the signed sub-number). A link number of 0 ends the line.
void AppendLinkReferences(std::string_view line, std::vector<LinkReference>& references);

// The key of a link: its number, then the sub-number as "%02d" of its absolute value
// (administrative areas) or as "%03d" of the number as it stands (coastlines).
std::string LinkKey(SourceTheme theme, int linkNumber, int subNumber);

} // namespace municipal
