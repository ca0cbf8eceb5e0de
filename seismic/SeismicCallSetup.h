#pragma once
// How the seismic entry points read their arguments: the digit-coded integers, the block of
// first-level meshes of a white-map call and the map titles. Digits are taken with integer
// division truncating toward zero (the hundreds digit is value % 1000 / 100).
#include <string>
#include <string_view>

namespace seismic {

inline int Digit(int value, int unit) { return value % (unit * 10) / unit; }

// The plain forms' option code.
struct PlainOption {
    int displayMethod = 0; // value / 10000: 0 coloured cells, other values value labels
    int asperityFlag = 0;
    int faultFlag = 0;
    int legendFlag = 0;
    int areaKind = 0;
};
PlainOption DecodePlainOption(int optionCode);

// The layer mode code of the white and whole-country forms.
struct WhiteModeCode {
    int asperityFlag = 0;
    int legendFlag = 0;
    int faultFlag = 0;
    int mapKind = 0;
    int scenarioQuantity = 0;
};
WhiteModeCode DecodeWhiteModeCode(int layerModeCode);

// The plain forms take the map kind from the hundreds digit.
inline int PlainMapKind(int layerModeCode) { return Digit(layerModeCode, 100); }

// The block a white-map call draws around a first-level mesh code: the single mesh (frame mode 1),
// 5 x 5 meshes for the block text "25" (cut at its first "="), else 3 x 3.
struct WhiteBlock {
    int cellCount = 1;
    int north = 0, west = 0, south = 0, east = 0;
    friend bool operator==(const WhiteBlock&, const WhiteBlock&) = default;
};
WhiteBlock ChooseWhiteBlock(std::string_view meshCode, int mapFrameMode, std::string_view blockText);

// Pixels per arc-second of the white map: a first-level mesh is 320 x 320 pixels at zoom 1.
float WhiteScaleX(float zoom);
float WhiteScaleY(float zoom);

// The title of a map kind; empty for a kind that has none.
std::string SeismicMapKindTitle(int mapKind);

} // namespace seismic
