#pragma once
// TLR0001.DAT (lakes) and TLR0002.DAT (reservoirs): 8-byte records of two little-endian int32,
// latitude first, whole arc-seconds. Each lake is its south-west box corner, its north-east box
// corner, its outline points, and (999, 999).
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct LakePoint {
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    friend bool operator==(const LakePoint&, const LakePoint&) = default;
};

struct Lake {
    LakePoint southWest; // the smallest latitude and longitude
    LakePoint northEast; // the largest
    std::vector<LakePoint> points;
    bool closed = false; // its (999, 999) was read; a lake cut off by the file's end is not
};

// nullopt when the file cannot be opened. A short last record ends the file.
std::optional<std::vector<Lake>> ReadLakePolygonFile(std::string_view winPath);
