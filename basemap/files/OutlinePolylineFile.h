#pragma once
// Line files of 8-byte records (two little-endian int32): the outline files of the overview maps
// (latitude, longitude in 1/10000 degree) and the sub-prefecture borders (longitude, latitude in
// whole arc-seconds). The record (999, 999) lifts the pen; every other record is a point joined
// to the one before it.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr std::int32_t kPenUpValue = 999;

struct OutlineRecord {
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    bool isPenUp() const { return latitude == kPenUpValue && longitude == kPenUpValue; }
};

// BN_JMAPA.DAT, FEBORDER.DAT, BN_FECST.DAT. nullopt when the file cannot be opened; a short last
// record ends the file.
std::optional<std::vector<OutlineRecord>> ReadOutlinePolylineFile(std::string_view winPath);

// 支庁界.dat: the same records with the longitude first, in arc-seconds, returned as
// (latitude, longitude). The overview lifts the pen at a longitude of 999; the municipality
// drawing only at (999, 999).
struct SubprefectureRecord {
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    bool isPenUp() const { return longitude == kPenUpValue; }
    bool isPenUpPair() const { return longitude == kPenUpValue && latitude == kPenUpValue; }
};
std::optional<std::vector<SubprefectureRecord>> ReadSubprefectureBorderFile(std::string_view winPath);
