#include "dialogs/files/RouteMasterFile.h"

#include "platform/fs/TextLines.h"
#include "platform/fs/TextReader.h"

namespace {

bool IsEntry(std::string_view line)
{
    return !line.empty() && line[0] != ';';
}

} // namespace

std::string RouteMasterPath(const std::string& routeFolder, int kind)
{
    return routeFolder + (kind == 0 ? "RoutMstr.dat" : "AreaMstr.dat");
}

std::vector<std::string> ReadRouteMasterEntries(std::string_view winPath)
{
    std::vector<std::string> entries;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return entries;
    std::string line;
    while (int(entries.size()) < kMaxRouteMasterEntries && reader.readLine(line))
        if (IsEntry(line))
            entries.push_back(line);
    return entries;
}

std::string RouteMasterName(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find('@')));
}

std::string RouteMasterFile(std::string_view entry)
{
    const std::size_t at = entry.find('@');
    return at == std::string_view::npos ? std::string() : std::string(entry.substr(at + 1));
}

bool RewriteRouteMaster(std::string_view winPath, int index, const std::optional<std::string>& replacement)
{
    std::optional<vd::TextLines> lines = vd::TextLines::read(winPath);
    if (!lines)
        return false;
    int entry = 0;
    for (std::size_t i = 0; i < lines->size();) {
        // Comments are tested on the bytes: a ";" byte cannot start a double-byte character.
        if (!IsEntry(lines->raw(i))) {
            lines->erase(i);
            continue;
        }
        if (entry++ == index) {
            if (!replacement) {
                lines->erase(i);
                continue;
            }
            lines->setText(i, *replacement);
        }
        ++i;
    }
    return lines->write(winPath);
}
