#pragma once
// The surface settings: fifteen rows (boundaries and coastlines, designated areas, hydrology),
// each with an on value, a colour index, fill and name switches, a data name and a data folder or
// file text. Row n is row n % 5 + 1 of settings tab n / 5 + 1 in DDDSFILE.DAT; the program hands
// the rows over in three groups of five: rows 0-4, 10-14, 5-9.
#include <array>
#include <string>

inline constexpr int kSurfaceRowCount = 15;
inline constexpr std::array<int, 3> kSurfaceGroupFirstRows = {0, 10, 5};
inline constexpr int kSurfaceSettingsIntegers = 1 + 4 * kSurfaceRowCount;

inline constexpr int SurfaceRowTab(int row) { return row / 5 + 1; }
inline constexpr int SurfaceRowInTab(int row) { return row % 5 + 1; }

struct SurfaceRow {
    int on = 0;     // 1 = drawn; never stored in the file
    int colour = 0; // index in the row's colour list
    int fill = 0;   // 1 = the area is coloured
    int name = 0;   // 1 = labelled
    std::string dataName;
    std::string text; // data folder with its data-set code, or data file

    bool operator==(const SurfaceRow&) const = default;
};

using SurfaceRows = std::array<SurfaceRow, kSurfaceRowCount>;

// Whether anything the settings file keeps (all but the on values) differs.
bool StoredSurfaceValuesDiffer(const SurfaceRows& a, const SurfaceRows& b);

// The data name OK gives a fixed row (rows 4 to 14); null for rows 0 to 3, whose names are typed.
const char* FixedSurfaceDataName(int row);
