#include "basemap/files/LakePolygonFile.h"

#include "platform/fs/BinaryReader.h"
#include "platform/fs/LittleEndian.h"

#include <string>

std::optional<std::vector<Lake>> ReadLakePolygonFile(std::string_view winPath)
{
    vd::BinaryReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<Lake> lakes;
    std::string_view bytes;
    // 0, 1: the two box corners still to come; 2: outline points.
    int stage = 0;
    while (reader.readRecord(8, bytes)) {
        const LakePoint point{*vd::int32At(bytes, 0), *vd::int32At(bytes, 4)};
        if (stage == 0) {
            lakes.emplace_back();
            lakes.back().southWest = point;
            stage = 1;
        } else if (stage == 1) {
            lakes.back().northEast = point;
            stage = 2;
        } else if (point.latitude == 999 && point.longitude == 999) {
            lakes.back().closed = true;
            stage = 0;
        } else {
            lakes.back().points.push_back(point);
        }
    }
    return lakes;
}
