#include "app/registration/PointRecordText.h"

#include "platform/text/StringOps.h"

namespace {

// The text up to the next separator from `from` on (the rest when there is none); from moves
// past the separator, or to npos.
std::string NextField(const std::string& text, std::size_t& from, char separator)
{
    if (from == std::string::npos)
        return {};
    const std::size_t end = text.find(separator, from);
    std::string field = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    from = end == std::string::npos ? std::string::npos : end + 1;
    return field;
}

std::string OrStars(const std::string& text)
{
    return text.empty() ? "****" : text;
}

} // namespace

std::string WithoutFieldBlanks(const std::string& text)
{
    std::string written = text;
    vd::replaceAll(written, " ", "\u3000");
    return written;
}

std::string PointRecordLine(const std::string& name, const std::string& latitude, const std::string& longitude,
                            const std::string& item, const std::string& pictureFile, const std::string& textFile)
{
    std::string line = name + " " + latitude + " " + longitude + " " + item;
    if (!pictureFile.empty())
        line += " " + pictureFile;
    if (!textFile.empty())
        line += " " + textFile;
    return line;
}

PointRecordParts SplitPointRecord(const std::string& record)
{
    PointRecordParts parts;
    std::size_t at = 0;
    parts.name = NextField(record, at, ' ');
    parts.latitude = NextField(record, at, ' ');
    parts.longitude = NextField(record, at, ' ');
    parts.item = NextField(record, at, ' ');
    parts.rest = at == std::string::npos ? std::string() : record.substr(at);
    return parts;
}

UpdateListEntry UpdateListEntryOf(const std::string& record)
{
    const PointRecordParts parts = SplitPointRecord(record);
    const std::size_t blank = parts.rest.find(' ');
    std::string text = parts.name + "/" + parts.item + "@" + parts.rest.substr(0, blank) + "$" + parts.latitude + "$" +
                       parts.longitude;
    if (blank != std::string::npos)
        text += "$" + parts.rest.substr(blank + 1);
    return {text, parts.latitude, parts.longitude};
}

UpdateEntryFields ParseUpdateListEntry(const std::string& entry)
{
    const std::size_t atSign = entry.find('@');
    const std::string head = entry.substr(0, atSign);
    const std::size_t slash = head.find('/');
    UpdateEntryFields fields;
    fields.name = OrStars(head.substr(0, slash));
    fields.item = OrStars(slash == std::string::npos ? std::string() : head.substr(slash + 1));
    std::size_t at = atSign == std::string::npos ? std::string::npos : atSign + 1;
    std::string first = NextField(entry, at, '$');
    fields.latitude = NextField(entry, at, '$');
    fields.longitude = NextField(entry, at, '$');
    std::string second = at == std::string::npos ? std::string() : entry.substr(at);
    if (NamesPicture(first))
        std::swap(first, second);
    fields.textFile = first;
    fields.pictureFile = second;
    return fields;
}

bool NamesPicture(const std::string& file)
{
    const std::string lowered = vd::toLowerAscii(file);
    for (const char* extension : {".bmp", ".jpg", ".gif", ".pcd", ".pic"})
        if (lowered.find(extension) != std::string::npos)
            return true;
    return false;
}
