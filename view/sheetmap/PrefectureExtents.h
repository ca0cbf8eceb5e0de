#pragma once
// The fixed frames of the 47 prefectures (index 0-46, national code order) and of the four
// regional maps (100 日本列島, 101 西南日本, 102 中央日本, 103 東北日本): corner texts
// (D.MMSS, kept exactly as written), reference point (1/10000 degree) and zoom factor. The
// regions have a second reference latitude and factor for the Albers projection.
#include <optional>
#include <string>

struct PrefectureExtent {
    const char* name; // empty for the regions
    const char* north;
    const char* east;
    const char* south;
    const char* west;
    float refLatitude;
    float refLongitude;
    float zoom;
    float albersRefLatitude; // regions only
    float albersZoom;        // regions only
};

// The row of an index, or nothing for an index outside the table.
std::optional<PrefectureExtent> PrefectureExtentRow(int index);
