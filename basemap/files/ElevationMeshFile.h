#pragma once
// The 250 m elevation mesh files "%02d%02d.sem" of the digital map series: text, 1010 characters
// of header, then records of 6 characters, a 3-digit row number 001-320 (north to south), 320
// values of 5 characters (west to east) and one line end (CR LF counts as one character, as the
// files are read in text mode). A value is five digits (an elevation) or "-" and four characters:
// a "9" among them marks no data, anything else a negative elevation.
#include <array>
#include <cstdint>
#include <string_view>

inline constexpr int kElevationMeshSide = 320;

// Grey levels of the whole mesh, row by row from the north-west cell; 0 where no record filled.
using ElevationGreyGrid = std::array<std::uint8_t, kElevationMeshSide * kElevationMeshSide>;

// The grey level of one 5-character value: elevation div 150 + 1 up to 255, a negative elevation
// 1, no data (also a value of neither form) 0.
std::uint8_t ElevationGreyLevel(std::string_view value);

// Reads the file's records into the grid; rows outside 1-320 are ignored, a short header or a cut
// record ends reading. False when the file cannot be opened (the grid is left as it was).
bool ReadElevationMeshGrey(std::string_view winPath, ElevationGreyGrid& grid);
// The same over the file's bytes.
void ParseElevationMeshGrey(std::string_view bytes, ElevationGreyGrid& grid);
