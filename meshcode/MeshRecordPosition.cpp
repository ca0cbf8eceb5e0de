#include "meshcode/MeshRecordPosition.h"

#include "platform/fs/RawFields.h"

#include <climits>

namespace meshcode {

namespace {

int Column(std::string_view line, int start, int length) { return vd::rawFieldInt(line, start, length); }

int Clamped(long long v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : int(v); }

} // namespace

std::optional<MeshCorner> ThirdMeshRecordCorner(std::string_view line, const CellWindow& window)
{
    const int latitude = Column(line, 5, 2) * kFirstMeshLatitudeSeconds + Column(line, 9, 1) * kSecondMeshLatitudeSeconds +
                         Column(line, 11, 1) * kThirdMeshLatitudeSeconds;
    const int longitude = Column(line, 7, 2) * kFirstMeshLongitudeSeconds + kLongitudeCodeBase +
                          Column(line, 10, 1) * kSecondMeshLongitudeSeconds + Column(line, 12, 1) * kThirdMeshLongitudeSeconds;
    if (latitude < window.gridSouth || latitude >= window.north || longitude < window.gridWest || longitude >= window.east)
        return std::nullopt;
    return MeshCorner{latitude, longitude};
}

std::optional<MeshCorner> SecondMeshRecordCorner(std::string_view line, const CellWindow& window)
{
    const int latitude = Column(line, 0, 2) * kFirstMeshLatitudeSeconds + Column(line, 4, 1) * kSecondMeshLatitudeSeconds;
    const int longitude =
        Column(line, 2, 2) * kFirstMeshLongitudeSeconds + kLongitudeCodeBase + Column(line, 5, 1) * kSecondMeshLongitudeSeconds;
    if (latitude < window.gridSouth || latitude > window.north || longitude < window.gridWest || longitude > window.east)
        return std::nullopt;
    return MeshCorner{latitude, longitude};
}

MeshCorner PointRecordSeconds(std::string_view line) { return {Column(line, 17, 8) / 10, Column(line, 9, 8) / 10}; }

GridOrigin CellGridOrigin(int cellCount, int n, int longitude, int latitude, int areaKind, std::string_view meshText,
                          int secondMeshMode, int secondMeshShift)
{
    int k = 0;
    switch (cellCount) {
    case 1: k = 1; break;
    case 4: k = 2; break;
    case 9: k = 3; break;
    case 25: k = 5; break;
    default: return {longitude, longitude, longitude};
    }
    if (k == 1 && areaKind == 3) {
        const SecondMeshGrid grid = SecondMeshOriginValues(secondMeshMode, secondMeshShift, meshText);
        return {grid.size, grid.longitude, grid.latitude};
    }
    const bool namedBlock = areaKind == 1 || areaKind == 2;
    int rowLength = 400;
    if (k == 1)
        rowLength = namedBlock ? 80 : 320;
    else if (k == 2)
        rowLength = 640;
    else if (k == 3)
        rowLength = namedBlock ? 240 : 480;
    return {rowLength, Clamped(longitude - (long long)(n % k) * kFirstMeshLongitudeSeconds),
            Clamped((long long)(n / k) * kFirstMeshLatitudeSeconds + latitude - (long long)(k - 1) * kFirstMeshLatitudeSeconds)};
}

} // namespace meshcode
