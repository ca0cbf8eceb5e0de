#include "platform/fs/WinPath.h"

namespace vd {

bool isWinSeparator(char c)
{
    return c == '\\' || c == '/';
}

WinPathParts parseWinPath(std::string_view path)
{
    WinPathParts parts;
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 2 && isLetter(path[0]) && path[1] == ':') {
        parts.drive = static_cast<char>(path[0] & ~0x20);
        parts.rooted = true; // "D:data" has no current folder of its own here: it starts at D:'s root
        path.remove_prefix(2);
    } else if (!path.empty() && isWinSeparator(path[0])) {
        parts.rooted = true;
    }
    parts.trailingSeparator = !path.empty() && isWinSeparator(path.back());

    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !isWinSeparator(path[end]))
            ++end;
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.components.empty() && parts.components.back() != "..")
                parts.components.pop_back();
            else if (!parts.rooted)
                parts.components.emplace_back(part); // a relative path may climb above its start
        } else if (!part.empty() && part != ".") {
            parts.components.emplace_back(part);
        }
        start = end + 1;
    }
    return parts;
}

namespace {

size_t fileNameStart(std::string_view path)
{
    size_t start = path.size();
    while (start > 0 && !isWinSeparator(path[start - 1]) && !(start == 2 && path[1] == ':'))
        --start;
    return start;
}

} // namespace

std::string winFolderOf(std::string_view path)
{
    return std::string(path.substr(0, fileNameStart(path)));
}

std::string winFileName(std::string_view path)
{
    return std::string(path.substr(fileNameStart(path)));
}

std::string winExtension(std::string_view path)
{
    const std::string name = winFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string winFileStem(std::string_view path)
{
    const std::string name = winFileName(path);
    return name.substr(0, name.rfind('.'));
}

std::string withTrailingBackslash(std::string_view path)
{
    std::string result(path);
    if (result.empty())
        return result;
    while (!result.empty() && isWinSeparator(result.back()))
        result.pop_back();
    return result + '\\';
}

} // namespace vd
