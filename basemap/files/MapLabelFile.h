#pragma once
// The place labels of the overview maps, CP932 text: empty lines and lines beginning with ";"
// are passed over; fields are separated by single blanks, each field the text up to the next
// blank, so a blank must follow the longitude (without it the longitude reads as 0).
// - FarEast.DAT (cities of the Far East): name, latitude and longitude as degrees and minutes
//   (DD.MM); lines of up to 298 bytes.
// - 支庁xy.txt (Hokkaido's subprefecture labels): name, latitude DD.MMSS (degrees in columns 0-1,
//   minutes 3-4, seconds 5-6 of the field), longitude DDD.MMSS (degrees 0-2, minutes 4-5, seconds
//   6-7); lines of up to 99 bytes.
// The rest of a longer line is cut and reading goes on; a field that is no number reads as 0.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MapLabel {
    std::string name;    // UTF-8
    float latitude = 0;  // 1/10000 degree
    float longitude = 0; // 1/10000 degree
    int latitudeDegree = 0; // the whole degrees as written, for the latitude-ratio row
};

// nullopt when the file cannot be opened.
std::optional<std::vector<MapLabel>> ReadFarEastLabelFile(std::string_view winPath);
std::optional<std::vector<MapLabel>> ReadSubprefectureLabelFile(std::string_view winPath);
