#include "municipal/conversion/SourceRecords.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <cstdlib>

namespace municipal {

bool SourceLineReader::next(std::string& line)
{
    if (!reader_.readRawLine(line))
        return false;
    if (line.size() > kSourceLineLimit)
        line.resize(kSourceLineLimit);
    return true;
}

int NumberField(std::string_view line, int start, int length)
{
    return vd::parseInt(vd::rawField(line, start, length));
}

int FollowingLineCount(int count)
{
    // A damaged negative count would otherwise read one line it does not own.
    return count < 0 ? 0 : (count - 1) / kItemsPerLine + 1;
}

bool AppendLinkPoints(std::string_view line, std::vector<BoundaryPoint>& points)
{
    line = line.substr(0, std::min(line.size(), kCoordinateLineLimit));
    for (int i = 0; i < kItemsPerLine; ++i) {
        const std::string_view piece = vd::rawField(line, i * 16, 16);
        if (piece.find_first_not_of(' ') == std::string_view::npos)
            return false;
        const int longitude = vd::parseInt(vd::rawField(piece, 0, 8));
        const int latitude = vd::parseInt(vd::rawField(piece, 8, 8));
        if (longitude == 0 && latitude == 0)
            return false;
        points.push_back({longitude, latitude});
    }
    return true;
}

void AppendLinkReferences(std::string_view line, std::vector<LinkReference>& references)
{
    for (int i = 0; i < kItemsPerLine; ++i) {
        const std::string_view piece = vd::rawField(line, i * 14, 12);
        const int linkNumber = vd::parseInt(vd::rawField(piece, 0, 6));
        if (linkNumber == 0)
            return;
        references.push_back({linkNumber, vd::parseInt(vd::rawField(piece, 6))});
    }
}

std::string LinkKey(SourceTheme theme, int linkNumber, int subNumber)
{
    if (theme == SourceTheme::AdministrativeArea)
        return vd::format("%d%02d", linkNumber, subNumber < 0 ? -static_cast<long long>(subNumber) : subNumber);
    return vd::format("%d%03d", linkNumber, subNumber);
}

} // namespace municipal
