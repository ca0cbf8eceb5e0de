#include "basemap/files/GreyscaleSheetBitmap.h"

#include "platform/fs/LittleEndian.h"

std::string GreyscaleSheetBitmap(const ElevationGreyGrid& grid)
{
    constexpr int kPixelOffset = 14 + 40 + 256 * 4;
    std::string bytes = "BM";
    vd::appendInt32(bytes, kGreyscaleSheetBytes);
    vd::appendInt32(bytes, 0);
    vd::appendInt32(bytes, kPixelOffset);
    vd::appendInt32(bytes, 40);
    vd::appendInt32(bytes, kGreyscaleSheetSide);
    vd::appendInt32(bytes, kGreyscaleSheetSide);
    vd::appendInt16(bytes, 1);
    vd::appendInt16(bytes, 8);
    vd::appendInt32(bytes, 0);
    vd::appendInt32(bytes, kGreyscaleSheetSide * kGreyscaleSheetSide);
    bytes.append(16, '\0');
    for (int i = 0; i < 256; ++i)
        bytes += {char(i), char(i), char(i), '\0'};
    for (int y = kGreyscaleSheetSide - 1; y >= 0; --y)
        for (int x = 0; x < kGreyscaleSheetSide; ++x)
            bytes += char(grid[std::size_t(2 * y * kElevationMeshSide + 2 * x)]);
    return bytes;
}
