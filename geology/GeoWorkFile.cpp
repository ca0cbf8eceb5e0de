#include "geology/GeoWorkFile.h"

#include "platform/fs/BinaryReader.h"

namespace {

constexpr int kMissing = 255;

std::optional<GeoWorkTables> ReadTables(vd::BinaryReader& reader, std::uint64_t skip, bool withEras)
{
    GeoWorkTables tables;
    tables.a.fill(kMissing);
    tables.b.fill(kMissing);
    if (!reader.seek(skip))
        return tables;
    std::string_view byte;
    const auto fill = [&](std::array<int, kGeoWorkTableBytes>& table) {
        for (int& value : table) {
            if (!reader.readRecord(1, byte))
                return false;
            value = static_cast<unsigned char>(byte[0]);
        }
        return true;
    };
    if (fill(tables.a) && withEras)
        fill(tables.b);
    return tables;
}

} // namespace

int GeoWorkGridSide(std::uint64_t length, int grids, int tableBytes, int side)
{
    for (const std::uint64_t n : {80u, 160u, 200u, 240u})
        if (length == std::uint64_t(grids) * n * n + std::uint64_t(tableBytes))
            return int(n);
    return side;
}

std::optional<GeoWorkTables> ReadGeoPlainWorkFile(const std::string& path, int grids, bool withEras, int side)
{
    vd::BinaryReader reader;
    if (!reader.open(path))
        return std::nullopt;
    const int tableBytes = kGeoWorkTableBytes * (withEras ? 2 : 1);
    if (const auto length = reader.size())
        side = GeoWorkGridSide(*length, grids, tableBytes, side);
    const std::uint64_t cells = side > 0 ? std::uint64_t(side) * std::uint64_t(side) : 0;
    return ReadTables(reader, std::uint64_t(grids) * cells, withEras);
}

std::optional<GeoWorkTables> ReadGeoWorkTables(const std::string& path, bool withEras)
{
    vd::BinaryReader reader;
    if (!reader.open(path))
        return std::nullopt;
    return ReadTables(reader, 0, withEras);
}
