#pragma once
// Colour sets (PALETTE\*.PLT) as the tint ramp reads them: each class line gives an elevation and
// a colour in fixed columns; the elevation becomes a level of the 256-entry ramp (15 m a level).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TintRow {
    std::uint8_t level = 0; // elevation / 15; 1 for 1 m, 255 for 4000 m
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TintRow&, const TintRow&) = default;
};

// A colour set holds at most this many rows; further rows are ignored.
inline constexpr int kMaxTintRows = 256;

// The ramp level of an elevation in metres, kept inside the ramp (below 0 is 0, above 3825 m is 255).
int TintLevelOfElevation(int metres);

// One line of a colour-set file: nullopt for an empty line or a ";" comment. Columns 0-3
// elevation, 5-7 red, 9-11 green, 13-15 blue; a colour outside 0..255 is clamped.
std::optional<TintRow> ParseColourSetLine(std::string_view line);

// The rows of a colour-set file (Windows-form path) in file order, at most kMaxTintRows; a file
// that cannot be opened has none.
std::vector<TintRow> ReadColourSetRows(std::string_view winPath);

// The shading style of a colour set: "ﾓﾉｸﾛｰﾑ" when its rows after the first run one way in all
// three channels, "地図帳(高度帯)" for the set of that name, else empty.
std::string DetectReliefStyle(const std::vector<TintRow>& rows, const std::string& setName);

inline constexpr const char* kMonochromeStyle = "ﾓﾉｸﾛｰﾑ";
inline constexpr const char* kBandedAtlasStyle = "地図帳(高度帯)";
