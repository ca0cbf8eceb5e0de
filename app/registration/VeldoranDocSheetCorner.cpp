// The 1:200,000 sheet that begins at a first-level mesh's south-west corner.
#include "app/document/VeldoranDoc.h"

#include "platform/text/Format.h"
#include "basemap/sheetindex/SheetIndexFile.h"

#include <cctype>
#include <optional>
#include <vector>

std::string CVeldoranDoc::FindSheetByCorner(const std::string& latitude, const std::string& longitude) const
{
    const std::optional<std::vector<SheetIndexLine>> index = ReadSheetIndex(folders.m_strSheetIndexFile);
    if (!index)
        return {};
    for (const SheetIndexLine& line : *index)
        if (line.LatitudeText() == latitude && line.LongitudeText() == longitude)
        {
            // The whole name up to its first blank: a fixed-width cut would turn 京都及大阪 into 京都及.
            const std::string columns = line.NameColumns();
            return columns.substr(0, columns.find(' ', 1));
        }
    return {};
}

std::string CVeldoranDoc::MeshCodeToSheetName(const std::string& meshCode) const
{
    // Four digits: the latitude code (40-minute rows) and the last two digits of the longitude.
    if (meshCode.size() < 4)
        return {};
    for (int n = 0; n < 4; ++n)
        if (!std::isdigit(static_cast<unsigned char>(meshCode[n])))
            return {};
    const int minutes = ((meshCode[0] - '0') * 10 + (meshCode[1] - '0')) * 40;
    const int degrees = minutes / 60;
    const std::string latitude = minutes % 60 != 0 ? vd::format("%d.%d00", degrees, minutes % 60)
                                                   : vd::format("%d.0000", degrees);
    const std::string longitude = "1" + meshCode.substr(2, 2) + ".0000";
    return FindSheetByCorner(latitude, longitude);
}
