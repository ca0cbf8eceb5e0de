#pragma once
// The standard regional mesh of Japan in whole arc-seconds (longitude counted from 0 degrees).
// A first-level code "pqqq" is latitude code p (two digits) and longitude code q (two digits);
// a second-level code adds row and column 0-7, a third-level code row and column 0-9. Digits
// are read with the leading-digits rule, so a damaged code gives a corner, never a failure.
#include "basemap/projection/SheetGrid.h"

#include <string>
#include <string_view>

namespace meshcode {

// The first-level mesh is the sheet grid's mesh: one definition of its size.
inline constexpr int kFirstMeshLatitudeSeconds = kMeshHeightSeconds;  // 40 minutes
inline constexpr int kFirstMeshLongitudeSeconds = kMeshWidthSeconds; // 1 degree
inline constexpr int kLongitudeCodeBase = 360000;       // longitude code 0 is 100 degrees east
inline constexpr int kSecondMeshLatitudeSeconds = 300;
inline constexpr int kSecondMeshLongitudeSeconds = 450;
inline constexpr int kThirdMeshLatitudeSeconds = 30;
inline constexpr int kThirdMeshLongitudeSeconds = 45;
// The first-level cell north of code k is k + 100, east of it k + 1.
inline constexpr int kNorthStep = 100;

struct MeshCorner {
    int latitude = 0;  // south edge, arc-seconds
    int longitude = 0; // west edge, arc-seconds
    friend bool operator==(const MeshCorner&, const MeshCorner&) = default;
};

// The number in characters [first, first + count) of a code (0 when none are digits).
int CodeDigits(std::string_view code, int first, int count);

// The south-west corner of a first-, second- or third-level mesh: as many levels as the code
// has digits for (4, 6 or 8 characters).
MeshCorner MeshCodeToSeconds(std::string_view code);

// The south-west corner of the first-level cell that a code starts with.
MeshCorner FirstMeshCorner(std::string_view code);

// Whether the first-level cell with south-west corner (latitude, longitude) overlaps the extent;
// touching edges count. With both -1 the corner comes from the code.
bool FirstMeshOverlaps(int west, int north, int east, int south, int longitude, int latitude,
                       std::string_view code);

// The corner and size of a second-level cell drawn alone: "%d|%d|%d" of size, latitude and
// longitude. Mode 1: size 200 and the cell's own corner; otherwise size 400 with the corner moved
// 600 seconds south (shift non-zero) or 450 seconds west.
std::string SecondMeshOrigin(int mode, int shift, std::string_view code);
struct SecondMeshGrid {
    int size = 0;
    int latitude = 0;
    int longitude = 0;
    friend bool operator==(const SecondMeshGrid&, const SecondMeshGrid&) = default;
};
SecondMeshGrid SecondMeshOriginValues(int mode, int shift, std::string_view code);

// Cell width, cell height and the new screen origin of a mesh layer's block, in thousandths:
// "%d/%d/%d/%d".
std::string CellSizeText(int blockCount, float xOrigin, float yOrigin, float xScale, float yScale,
                         std::string_view code);

} // namespace meshcode
