#pragma once
// MAPELMNT\DPRTCITY.DAT, the start cities that distances are measured from: one city a line,
// name "@" latitude "@" longitude, CR LF, CP932. A coordinate is written as degrees, ".", then
// two digits of minutes (seconds may follow and are not read): "大阪@34.4059@135.3121" is
// 34 degrees 40 minutes north, 135 degrees 31 minutes east; a minus sign marks south and west.
// Empty lines and lines beginning with ";" are comments. Readers take the first 98 bytes of a
// line and the first 20 cities of the file. Depends on the platform layer only, so the fuzz
// target can link it alone.
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kStartCityListSize = 20;
inline constexpr int kStartCityLineBytes = 98;

// The file under an application folder (Windows form, trailing backslash).
std::string StartCityFilePath(const std::string& appDir);

// The usable lines of the file, cut to 98 bytes, at most 20; none when it cannot be opened.
std::vector<std::string> ReadStartCityLines(std::string_view winPath);

// A line taken apart: the name before the first "@", the latitude text up to the second "@",
// the longitude text after it. A line without two "@" has empty coordinate texts.
struct StartCityFields {
    std::string name;
    std::string latitude;
    std::string longitude;
};
StartCityFields SplitStartCityLine(std::string_view line);

// A coordinate text read as the system reads it: degrees = atof of the text before the first
// ".", minutes = atof of the two bytes after it.
struct DegreesMinutes {
    double degrees = 0;
    double minutes = 0;
};
DegreesMinutes ParseCoordinateText(std::string_view text);

// A typed coordinate as it is registered: two digits after the point above 60 cannot be minutes,
// so they are read as hundredths of a degree and turned into whole minutes ("35.75" becomes
// "35.45"); any other text is kept as typed.
std::string RegisteredCoordinateText(std::string_view text);

// Whole degrees and whole minutes as the dialog shows them: "%d.%d" ("34.40").
std::string WholeDegreesMinutesText(double degrees, double minutes);

// Appends a city to the file (created with its folder when missing). False when it could not be
// written.
bool AppendStartCity(const std::string& winPath, const StartCityFields& city);
