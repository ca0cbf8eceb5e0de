#include "dialogs/files/PointListFile.h"

#include "platform/fs/TextReader.h"
#include "platform/text/StringOps.h"

namespace {

bool isKept(const std::string& line, PointListFilter filter)
{
    if (line.empty())
        return false;
    return filter == PointListFilter::EmptyOnly || (line[0] != ';' && line[0] != 'M');
}

// The text before the next blank, and the rest after it; without a blank the whole rest.
std::string_view cutAtBlank(std::string_view& rest)
{
    const std::size_t blank = rest.find(' ');
    const std::string_view field = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    return field;
}

} // namespace

PointList ReadPointList(std::string_view winPath, PointListFilter filter)
{
    PointList list;
    vd::TextReader reader;
    if (reader.open(winPath)) {
        std::string line;
        while (list.count < PointList::kMaxEntries && reader.readLine(line))
            if (isKept(line, filter))
                list.entry[list.count++] = PackPointLine(line);
    }
    list.entry[list.count] = kPointListEnd;
    return list;
}

std::string PackPointLine(std::string_view line, char itemSeparator)
{
    std::string_view rest = line;
    const std::string_view name = cutAtBlank(rest);
    const std::string_view latitude = cutAtBlank(rest);
    const std::string_view longitude = cutAtBlank(rest);
    const std::string_view item = cutAtBlank(rest);
    const std::size_t blank = rest.find(' ');
    std::string entry;
    entry.append(name).append(1, itemSeparator).append(item).append("@");
    entry.append(rest.substr(0, blank)).append("$").append(latitude).append("$").append(longitude);
    if (blank != std::string_view::npos)
        entry.append("$").append(rest.substr(blank + 1));
    return entry;
}

PointEntryFields SplitPointEntry(std::string_view entry, char itemSeparator)
{
    PointEntryFields fields;
    const std::size_t at = entry.find('@');
    const std::string_view head = entry.substr(0, at);
    std::string_view files = at == std::string_view::npos ? std::string_view() : entry.substr(at + 1);

    const std::size_t hash = head.find(itemSeparator);
    fields.name = head.substr(0, hash);
    if (hash != std::string_view::npos)
        fields.item = head.substr(hash + 1);

    // File A, latitude, longitude, then file B as the whole rest.
    std::string parts[4];
    for (int i = 0; i < 3; ++i) {
        const std::size_t dollar = files.find('$');
        parts[i] = files.substr(0, dollar);
        files = dollar == std::string_view::npos ? std::string_view() : files.substr(dollar + 1);
        if (dollar == std::string_view::npos)
            break;
        if (i == 2)
            parts[3] = files;
    }
    fields.textFile = parts[0];
    fields.latitude = parts[1];
    fields.longitude = parts[2];
    fields.pictureFile = parts[3];
    if (IsPictureFile(fields.textFile))
        std::swap(fields.textFile, fields.pictureFile);
    return fields;
}

bool IsPictureFile(std::string_view name)
{
    const std::string lower = vd::toLowerAscii(name);
    for (const char* extension : PictureExtensions)
        if (lower.find(extension) != std::string::npos)
            return true;
    return false;
}
