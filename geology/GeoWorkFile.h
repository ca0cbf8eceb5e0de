#pragma once
// Reading back the work files of the last geology drawing (TEMP\ of the application folder):
// TEMP\Geofile.DAT of a plain-map drawing (the drawn grids, then the tables), TEMP\GeoWmap.dat of
// a white-map drawing and TEMP\GeoBlck.dat (tables only). Table A holds 200 bytes (the surface
// geology's rock number by RockSlot, or for the other themes a 1 for each class that occurred);
// table B, of the surface geology only, the era of each slot. Bytes past the end read as 255.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr const char* kGeoPlainWorkFile = "TEMP\\Geofile.DAT";
inline constexpr const char* kGeoWhiteWorkFile = "TEMP\\GeoWmap.dat";
inline constexpr const char* kGeoBlockWorkFile = "TEMP\\GeoBlck.dat";
inline constexpr int kGeoWorkTableBytes = 200;

struct GeoWorkTables {
    std::array<int, kGeoWorkTableBytes> a{};
    std::array<int, kGeoWorkTableBytes> b{};
};

// The tables after `grids` grids of the plain-map file. The drawers write N x N grids for the
// drawn block (N 80, 160, 200 or 240): a file whose length is exactly grids x N x N plus its
// tables is read with that N, any other with `side`.
std::optional<GeoWorkTables> ReadGeoPlainWorkFile(const std::string& path, int grids, bool withEras, int side);
// The tables of a file without grids.
std::optional<GeoWorkTables> ReadGeoWorkTables(const std::string& path, bool withEras);

// The grid side that a plain-map file of `length` bytes was written with, or `side`.
int GeoWorkGridSide(std::uint64_t length, int grids, int tableBytes, int side);
