#include "view/albums/AlbumEntry.h"

#include "platform/text/StringOps.h"
#include "userdata/RecordLines.h"

namespace albums {

std::string EntryFilePart(std::string_view entry)
{
    const std::size_t start = FileReferenceStart(entry);
    return vd::toLowerAscii(start == std::string_view::npos ? entry : entry.substr(start));
}

std::string EntryTitle(std::string_view entry)
{
    const std::size_t start = FileReferenceStart(entry);
    if (start == std::string_view::npos || start == 0)
        return {};
    return std::string(entry.substr(0, start - 1));
}

EntryFiles SplitEntryFiles(std::string_view entry)
{
    const std::string files = EntryFilePart(entry);
    const std::size_t blank = files.find(' ');
    if (blank == std::string::npos)
        return {files, {}};
    return {files.substr(0, blank), files.substr(blank + 1)};
}

} // namespace albums
