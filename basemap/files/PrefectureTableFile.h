#pragma once
// MAPELMNT\都道府県.DAT: one label point a line, latitude and longitude as D.MMSS separated by one
// blank (anything after the longitude's seconds is a comment). Empty lines and lines beginning
// with ";" are passed over; the other lines are numbered from 0.
#include <optional>
#include <string_view>
#include <vector>

struct PrefectureTablePoint {
    float latitude = 0;  // 1/10000 degree
    float longitude = 0;
};

// Every data line in order; nullopt when the file cannot be opened.
std::optional<std::vector<PrefectureTablePoint>> ReadPrefectureTable(std::string_view winPath);

// Data line `line` (counted from 0); nullopt when the file or the line is missing.
std::optional<PrefectureTablePoint> ReadPrefectureTablePoint(std::string_view winPath, int line);

// The statistics map's reading of the same lines: the first two fields as degrees and minutes
// (D.MM, 35.41 is 35 degrees 41 minutes) and only the first 50 data lines.
struct PrefectureChartPoint {
    float latitude = 0;  // 1/10000 degree
    float longitude = 0;
    int latitudeDegree = 0; // the whole degrees as written, held to 10..69
};
std::optional<std::vector<PrefectureChartPoint>> ReadPrefectureChartPoints(std::string_view winPath);
