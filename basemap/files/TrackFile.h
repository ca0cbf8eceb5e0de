#pragma once
// Lines of a GPS track file (TrackFile) as the track drawing reads them: one logger's line kind
// ("log", "rot", "pot", "trk") turned into a point, a header, the WGS 84 datum mark or nothing.
// Lines are CP932 bytes; columns are byte positions.
#include <string>
#include <string_view>
#include <vector>

struct TrackLine {
    enum class Kind { Nothing, Point, Header, Datum };
    Kind kind = Kind::Nothing;
    int latitude = 0;  // whole arc-seconds north
    int longitude = 0; // whole arc-seconds east
};

// Where the "trk" point lines keep their longitude (from the file's header) and how they are
// written: format 0 DDMMSS, 1 decimal degrees, 2 degrees and decimal minutes.
struct TrackLayout {
    int format = 0;
    int longitudeColumn = 0;
    int decimalColumn = 0;
};

// One line (already stripped of its end, never empty or a ";" comment) of a file of this kind;
// an unknown kind reads as "trk" without its datum line.
TrackLine ParseTrackLine(std::string_view kind, const TrackLayout& layout, std::string_view line);

// The lines of a track file as the old reader took them: at most 199 bytes each, a longer line
// in pieces. Empty when the file cannot be opened.
std::vector<std::string> ReadTrackFileLines(const std::string& winPath);

// The south-west corner "DD.MM00/DDD.0000" of the 40-minute by 1-degree sheet holding a track's
// first point line, by the registration's format number (1 DMS, 2 DMM, 3 DEG, 4 MapFan(ROT),
// 5 AtlasRD); "/" for another format, a line too short or without its "E", or a latitude
// outside 0-90 degrees and 0-59 minutes.
std::string TrackStartSheet(std::string_view pointLine, int formatNumber);
