#include "app/registration/PointRecordText.h"

#include "platform/text/StringOps.h"

namespace {

constexpr char kItemSeparator = '/';

std::string OrStars(const std::string& text)
{
    return text.empty() ? "****" : text;
}

} // namespace

std::string NextField(const std::string& text, std::size_t& from, char separator)
{
    if (from == std::string::npos)
        return {};
    const std::size_t end = text.find(separator, from);
    std::string field = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    from = end == std::string::npos ? std::string::npos : end + 1;
    return field;
}

std::string RestFrom(const std::string& text, std::size_t from)
{
    return from == std::string::npos ? std::string() : text.substr(from);
}

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
    parts.rest = RestFrom(record, at);
    return parts;
}

UpdateListEntry UpdateListEntryOf(const std::string& record)
{
    const PointRecordParts parts = SplitPointRecord(record);
    return {PackPointLine(record, kItemSeparator), parts.latitude, parts.longitude};
}

PointEntryFields ParseUpdateListEntry(const std::string& entry)
{
    PointEntryFields fields = SplitPointEntry(entry, kItemSeparator);
    fields.name = OrStars(fields.name);
    fields.item = OrStars(fields.item);
    return fields;
}
