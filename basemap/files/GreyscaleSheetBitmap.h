#pragma once
// MAPFGRS\%04d.bmp: a 160 x 160 8-bit greyscale Windows bitmap of 26678 bytes (palette entry i is
// grey i, rows bottom-up, no row padding), made from every second value of every second row of a
// sheet's elevation mesh starting with the north-west cell.
#include "basemap/files/ElevationMeshFile.h"

#include <string>

inline constexpr int kGreyscaleSheetSide = kElevationMeshSide / 2;
inline constexpr int kGreyscaleSheetBytes = 1078 + kGreyscaleSheetSide * kGreyscaleSheetSide;

// The file's bytes for a mesh's grey levels.
std::string GreyscaleSheetBitmap(const ElevationGreyGrid& grid);
