#pragma once
// The header of a waypoint/track text as the document reads it before a "trk" track is drawn:
// the coordinate unit line, the descriptive header line and the columns of the first point line.
#include <optional>
#include <string>
#include <vector>

struct TrackHeader {
    std::string text;                   // the chosen "H " line without its first two bytes (CP932)
    std::optional<std::string> format;  // "DMS", "DEG" or "DMM" when a unit line names it
    std::optional<int> longitudeColumn; // after the first "E" of the first "T  N" line
    std::optional<int> decimalColumn;   // four bytes on
};

// Lines as ReadTrackFileLines gives them (CP932, at most 199 bytes each).
TrackHeader ReadTrackHeaderLines(const std::vector<std::string>& lines);
