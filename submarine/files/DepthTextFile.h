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

// "DP34_135.txt" for the square whose south-west corner is 34 N, 135 E.
std::string DepthTextFileName(int latitudeDegree, int longitudeDegree);

// One line: nullopt when it does not hold a kind and three numbers.
std::optional<DepthSounding> ParseDepthLine(std::string_view line);

// Every sounding of the file whose line parses, in file order (a line that does not parse is
// passed over); nullopt when the file cannot be opened.
std::optional<std::vector<DepthSounding>> ReadDepthTextFile(std::string_view winPath);
