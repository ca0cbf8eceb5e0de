#pragma once
// The calls a stand-in library logged, one a line, as a list.
#include <string>
#include <vector>

namespace fakelog {

inline std::vector<std::string> Lines(const std::string& log)
{
    std::vector<std::string> calls;
    for (std::size_t at = 0, end; (end = log.find('\n', at)) != std::string::npos; at = end + 1)
        calls.push_back(log.substr(at, end - at));
    return calls;
}

} // namespace fakelog
