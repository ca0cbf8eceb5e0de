#pragma once
// The depth soundings of one whole degree of latitude and longitude: "DP<lat>_<lon>.txt" in the
// depth-data folder, named by its south-west corner (DP34_135.txt). One sounding a line: a kind
// character ("0" measured, anything else interpolated), then latitude and longitude in decimal
// degrees and the depth in whole metres (positive downwards), separated by blanks; lines end in
// CR LF or LF. Latitude and longitude are read in single precision.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DepthSounding {
    char kind = '0';
    float latitudeDegrees = 0;
    float longitudeDegrees = 0;
    int depthMetres = 0;
};

// A sounding's position in whole arc-seconds (degrees x 3600, truncated); false when it lies far
// outside any int.
bool SoundingSeconds(const DepthSounding& sounding, int& latitudeSeconds, int& longitudeSeconds);

// "DP34_135.txt" for the square whose south-west corner is 34 N, 135 E.
std::string DepthTextFileName(int latitudeDegree, int longitudeDegree);

// One line: nullopt when it does not hold a kind and three numbers.
std::optional<DepthSounding> ParseDepthLine(std::string_view line);

// Every sounding of the file whose line parses, in file order (a line that does not parse is
// passed over); nullopt when the file cannot be opened.
std::optional<std::vector<DepthSounding>> ReadDepthTextFile(std::string_view winPath);

// The same soundings as fixed columns (0-based): kind at 0 ("0" measured), latitude at 3-10,
// longitude at 12-20 (decimal degrees, read as atof reads) and depth at 22-26 (whole metres, as
// atoi reads); a column past the end of the line reads as 0.
DepthSounding ParseFixedColumnDepthLine(std::string_view line);

// Every sounding of a fixed-column file. Lines are taken in pieces of at most 99 characters, as a
// reader with a 100-byte line buffer takes them (a piece of 99 characters is followed by the rest
// of its line); an empty line or piece is no sounding. nullopt when the file cannot be opened.
std::optional<std::vector<DepthSounding>> ReadFixedColumnDepthFile(std::string_view winPath);
