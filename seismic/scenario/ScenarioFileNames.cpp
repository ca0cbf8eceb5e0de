#include "seismic/scenario/ScenarioFileNames.h"

#include "platform/text/StringOps.h"

namespace seismic {

namespace {

std::size_t FileNameStart(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Where the first "." of the file name is, or the end of the path.
std::size_t ExtensionStart(std::string_view path)
{
    const std::size_t dot = path.find('.', FileNameStart(path));
    return dot == std::string_view::npos ? path.size() : dot;
}

bool NameHolds(std::string_view path, std::string_view what)
{
    return vd::toUpperAscii(ScenarioFileName(path)).find(what) != std::string::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string_view ScenarioFileName(std::string_view path) { return path.substr(FileNameStart(path)); }

bool IsSubductionScenario(std::string_view dataPath) { return NameHolds(dataPath, "S_K"); }
bool IsListScenario(std::string_view dataPath) { return NameHolds(dataPath, "_SLIST-"); }
bool HasNumberedFaultFiles(std::string_view path) { return NameHolds(path, "S_"); }

std::optional<std::string> FaultPlanePath(std::string_view dataPath)
{
    std::string path = vd::toUpperAscii(dataPath);
    const std::size_t map = path.find("-MAP-", FileNameStart(path));
    if (map == std::string::npos)
        return std::nullopt;
    path.replace(map + 1, 3, "FAULT");
    return path;
}

std::string FirstNumberedFaultPath(std::string_view faultPath)
{
    std::string path(faultPath);
    path.insert(ExtensionStart(path), "_F1");
    return path;
}

std::optional<std::string> NextNumberedFaultPath(std::string_view numberedPath)
{
    const std::size_t dot = ExtensionStart(numberedPath);
    std::size_t first = dot;
    while (first > FileNameStart(numberedPath) && IsDigit(numberedPath[first - 1]))
        --first;
    if (first == dot || first < FileNameStart(numberedPath) + 2 || numberedPath.substr(first - 2, 2) != "_F" ||
        dot - first > 9)
        return std::nullopt;
    const long long number = std::stoll(std::string(numberedPath.substr(first, dot - first)));
    return std::string(numberedPath.substr(0, first)) + std::to_string(number + 1) +
           std::string(numberedPath.substr(dot));
}

} // namespace seismic
