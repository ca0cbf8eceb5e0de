#include "meshcode/MeshCode.h"

#include "meshcode/Truncate.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace meshcode {

int CodeDigits(std::string_view code, int first, int count)
{
    if (first < 0 || std::size_t(first) >= code.size())
        return 0;
    return vd::parseInt(code.substr(std::size_t(first), std::size_t(count)));
}

MeshCorner FirstMeshCorner(std::string_view code)
{
    return {CodeDigits(code, 0, 2) * kFirstMeshLatitudeSeconds,
            CodeDigits(code, 2, 2) * kFirstMeshLongitudeSeconds + kLongitudeCodeBase};
}

MeshCorner MeshCodeToSeconds(std::string_view code)
{
    MeshCorner corner = FirstMeshCorner(code);
    if (code.size() >= 6) {
        corner.latitude += CodeDigits(code, 4, 1) * kSecondMeshLatitudeSeconds;
        corner.longitude += CodeDigits(code, 5, 1) * kSecondMeshLongitudeSeconds;
    }
    if (code.size() >= 8) {
        corner.latitude += CodeDigits(code, 6, 1) * kThirdMeshLatitudeSeconds;
        corner.longitude += CodeDigits(code, 7, 1) * kThirdMeshLongitudeSeconds;
    }
    return corner;
}

bool FirstMeshOverlaps(int west, int north, int east, int south, int longitude, int latitude, std::string_view code)
{
    if (longitude == -1 && latitude == -1) {
        const MeshCorner corner = FirstMeshCorner(code);
        latitude = corner.latitude;
        longitude = corner.longitude;
    }
    return latitude + kFirstMeshLatitudeSeconds >= south && longitude + kFirstMeshLongitudeSeconds >= west &&
           north >= latitude && east >= longitude;
}

SecondMeshGrid SecondMeshOriginValues(int mode, int shift, std::string_view code)
{
    SecondMeshGrid grid;
    grid.latitude = CodeDigits(code, 0, 2) * kFirstMeshLatitudeSeconds + CodeDigits(code, 4, 1) * kSecondMeshLatitudeSeconds;
    grid.longitude = CodeDigits(code, 2, 2) * kFirstMeshLongitudeSeconds + kLongitudeCodeBase +
                     CodeDigits(code, 5, 1) * kSecondMeshLongitudeSeconds;
    grid.size = 200;
    if (mode != 1) {
        grid.size = 400;
        // The doubled cell takes in its southern or western neighbour.
        if (shift != 0)
            grid.latitude -= 2 * kSecondMeshLatitudeSeconds;
        else
            grid.longitude -= kSecondMeshLongitudeSeconds;
    }
    return grid;
}

std::string SecondMeshOrigin(int mode, int shift, std::string_view code)
{
    const SecondMeshGrid grid = SecondMeshOriginValues(mode, shift, code);
    return vd::format("%d|%d|%d", grid.size, grid.latitude, grid.longitude);
}

std::string CellSizeText(int blockCount, float xOrigin, float yOrigin, float xScale, float yScale, std::string_view code)
{
    // Whole pixels of a cell, in 80ths, as the mesh layers size their cells.
    const long long width = (1 + TruncateToInt(float(kFirstMeshLongitudeSeconds) * xScale) / 80) * 1000LL;
    const long long height = (1 + TruncateToInt(float(kFirstMeshLatitudeSeconds) * yScale) / 80) * 1000LL;
    const int x = TruncateToInt((xOrigin + (blockCount == 1 ? 2.0f : 1.0f)) * 1000.0f);
    float y = yOrigin - 30.0f * yScale;
    if (blockCount != 1)
        y += CodeDigits(code, 0, 2) < 62 ? 2.0f : 3.0f;
    return vd::format("%d/%d/%d/%d", width, height, x, TruncateToInt(y * 1000.0f));
}

} // namespace meshcode
