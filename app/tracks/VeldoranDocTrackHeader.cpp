// CVeldoranDoc::ReadTrackHeader: the coordinate format and point columns of a "trk" track.
#include "app/document/VeldoranDoc.h"
#include "basemap/files/TrackFile.h"
#include "platform/text/Cp932.h"
#include "userdata/TrackHeader.h"

std::string CVeldoranDoc::ReadTrackHeader(SheetDrawState& draw, const std::string& path) const
{
    const TrackHeader header = ReadTrackHeaderLines(ReadTrackFileLines(path));
    if (header.format)
        draw.m_strTrackFormat = *header.format;
    if (header.longitudeColumn) {
        draw.m_nPointX = *header.longitudeColumn;
        draw.m_nPointY = *header.decimalColumn;
    }
    return vd::cp932ToUtf8(header.text);
}
