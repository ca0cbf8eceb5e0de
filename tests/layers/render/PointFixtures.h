#pragma once
// Point records in the published fixed-column layout, built as raw CP932 bytes: "P" in column 0,
// longitude and latitude in tenths of an arc-second in columns 9-16 and 17-24, then the theme's
// columns (UTF-8 texts placed at CP932 byte columns).
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <string>
#include <utility>
#include <vector>

namespace layers_test {

struct At {
    int column;
    std::string text; // UTF-8
};

inline std::string PointRecord(int lonSeconds, int latSeconds, const std::vector<At>& fields = {}, int width = 0)
{
    std::string line = "P" + std::string(8, ' ') + vd::format("%8d%8d", lonSeconds * 10, latSeconds * 10);
    for (const At& f : fields) {
        const std::string bytes = vd::utf8ToCp932(f.text);
        const std::size_t end = std::size_t(f.column) + bytes.size();
        if (line.size() < end)
            line.resize(end, ' ');
        line.replace(std::size_t(f.column), bytes.size(), bytes);
    }
    if (line.size() < std::size_t(width))
        line.resize(std::size_t(width), ' ');
    return line;
}

// Raw lines joined with CR LF, as a file holds them.
inline std::string FileBytes(const std::vector<std::string>& rawLines)
{
    std::string bytes;
    for (const std::string& line : rawLines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace layers_test
