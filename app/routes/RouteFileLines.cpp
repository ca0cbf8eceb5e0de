#include "app/routes/RouteFileLines.h"

#include "platform/fs/TextReader.h"

std::optional<std::vector<std::string>> ReadRouteFileLines(std::string_view winPath, int maxLines)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (int(lines.size()) < maxLines && reader.readLine(line))
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::vector<std::string> ReadRouteIndexMaster(std::string_view winPath)
{
    std::vector<std::string> lines;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return lines;
    std::string line;
    for (int read = 0; read < kMaxIndexMasterLines && reader.readLine(line); ++read)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::string_view AfterFields(std::string_view line, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos)
            return {};
        line.remove_prefix(blank + 1);
    }
    return line;
}

std::string_view LineField(std::string_view line, int index)
{
    const std::string_view rest = AfterFields(line, index);
    return rest.substr(0, rest.find(' '));
}
