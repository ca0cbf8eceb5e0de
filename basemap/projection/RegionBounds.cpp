#include "basemap/projection/RegionBounds.h"

namespace {

constexpr RegionRow kRegions[] = {
    {"全国", "", "", "", ""},
    {"北海道", "", "41.2000", "", ""},
    {"東北", "41.2000", "38.0000", "", ""},
    {"関東信越", "38.0000", "", "138.0000", ""},
    {"近畿中部", "", "", "134.0000", "137.5000"},
    {"中国四国", "", "", "131.0000", "134.5000"},
    {"九州沖縄", "", "", "", "131.5000"},
};

} // namespace

std::span<const RegionRow> RegionBoundsTable()
{
    return kRegions;
}

const RegionRow* FindRegionRow(std::string_view name)
{
    for (const RegionRow& row : kRegions)
        if (name == row.name)
            return &row;
    return nullptr;
}

bool ApplyRegionBounds(std::string_view name, RegionBounds& bounds)
{
    const RegionRow* row = FindRegionRow(name);
    if (!row)
        return false;
    bounds = {row->north, row->south, row->west, row->east};
    return true;
}

bool WithinRegionBounds(const RegionBounds& bounds, std::string_view latitude, std::string_view longitude)
{
    return (bounds.north.empty() || bounds.north >= latitude) && (bounds.south.empty() || bounds.south <= latitude) &&
           (bounds.east.empty() || bounds.east >= longitude) && (bounds.west.empty() || bounds.west <= longitude);
}
