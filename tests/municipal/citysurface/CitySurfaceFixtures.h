#pragma once
// Small municipality and coastline files, Msh_prft.dat, pfctr and 支庁界.dat files in their
// binary forms, written under the test's application folder.
#include "platform/fs/LittleEndian.h"
#include "platform/text/Cp932.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <string>
#include <utility>
#include <vector>

namespace citysurface_test {

using Points = std::vector<std::pair<int, int>>; // (longitude, latitude), tenths of a second

struct Area {
    std::string code;
    Points points;
    bool closed = true;
};

// A boundary file: ledger texts (UTF-8), the end-of-ledger text, then the areas.
inline std::string BoundaryBytes(const std::vector<std::string>& ledger, const std::string& end,
                                 const std::vector<Area>& areas)
{
    auto record = [](const std::string& text, std::size_t size) {
        std::string bytes = text;
        bytes.resize(size, '\0');
        return bytes;
    };
    std::string bytes;
    for (const std::string& line : ledger)
        bytes += record(vd::utf8ToCp932(line), 81);
    bytes += record(end, 81);
    for (const Area& area : areas) {
        bytes += record(area.code, 10);
        for (const auto& [longitude, latitude] : area.points) {
            vd::appendInt32(bytes, longitude);
            vd::appendInt32(bytes, latitude);
        }
        if (area.closed) {
            vd::appendInt32(bytes, 999);
            vd::appendInt32(bytes, 999);
        }
    }
    return bytes;
}

// A ledger line: the code, three 12-byte names, then the name of columns 41-52.
inline std::string LedgerLine(const std::string& code, const std::string& name)
{
    return code + std::string(36, ' ') + name;
}

// A square of `count` points (count >= 4) spread over the edges of the box, in tenths of a second.
inline Points Ring(int west, int south, int east, int north, int count)
{
    Points points;
    for (int i = 0; i < count; ++i) {
        const int side = i % 4;
        const int step = i / 4 + 1;
        const int n = count / 4 + 2;
        const int lon = side == 0 ? west + (east - west) * step / n : side == 1 ? east : side == 2 ? east - (east - west) * step / n : west;
        const int lat = side == 0 ? south : side == 1 ? south + (north - south) * step / n : side == 2 ? north : north - (north - south) * step / n;
        points.emplace_back(lon * 10, lat * 10);
    }
    return points;
}

inline std::string MeshRecords(const std::vector<std::pair<int, int>>& records)
{
    std::string bytes;
    for (const auto& [a, b] : records) {
        vd::appendInt16(bytes, static_cast<std::int16_t>(a));
        vd::appendInt16(bytes, static_cast<std::int16_t>(b));
    }
    return bytes;
}

} // namespace citysurface_test
