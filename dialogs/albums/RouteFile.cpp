#include "dialogs/albums/RouteFile.h"

#include "dialogs/files/TimeStampedFileName.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/StringOps.h"

namespace {

// The text before the next separator, and the rest after it; without one the whole rest.
std::string_view cutAt(std::string_view& rest, char separator)
{
    const std::size_t at = rest.find(separator);
    const std::string_view field = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
    return field;
}

bool WriteRouteLines(const std::string& path, const PointList& entries)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    for (int i = 0; i < PointList::kTableSize && !entries.entry[i].empty() && entries.entry[i] != kPointListEnd; ++i)
        writer.writeLine(RouteFileLine(entries.entry[i]));
    return writer.close();
}

} // namespace

std::string RouteFileLine(std::string_view entry)
{
    const std::string lower = vd::toLowerAscii(entry);
    std::string_view rest = lower;
    const std::string_view name = cutAt(rest, '#');
    const std::string_view item = cutAt(rest, '@');
    const std::string_view file = cutAt(rest, '$');
    const std::string_view latitude = cutAt(rest, '$');
    const std::string_view longitude = cutAt(rest, '$');
    std::string line;
    line.append(name).append(" ").append(latitude).append(" ").append(longitude);
    line.append(" ").append(item).append(" ").append(file);
    // A second file (the text beside a picture, or any other) is kept: nothing of the point is lost.
    if (!rest.empty())
        line.append(" ").append(rest);
    return line;
}

const char* RouteMasterFileName(int nameKind)
{
    return nameKind == 3 ? "AreaMstr.dat" : "RoutMstr.dat";
}

std::optional<std::string> RegisterRouteFile(const std::string& routeFolder, int nameKind, const std::string& mapName,
                                             const PointList& entries)
{
    if (!vd::makeFolders(routeFolder))
        return std::nullopt;
    const std::string name = FreeTimeStampedFileName(nameKind, routeFolder);
    if (name.empty())
        return std::nullopt;
    const std::string path = routeFolder + name;
    if (!WriteRouteLines(path, entries))
        return std::nullopt;
    vd::TextWriter master;
    if (!master.open(routeFolder + RouteMasterFileName(nameKind), vd::WriteMode::Append))
        return std::nullopt;
    master.writeLine(mapName + "@" + path);
    if (!master.close())
        return std::nullopt;
    return path;
}
