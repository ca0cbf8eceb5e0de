#pragma once
// The place-name class files of the application folder, as the class dialog reads and writes
// them: NpSymbol.dat ("row,column,symbol" for every cell with a symbol) and NpClrTbl.dat (one
// section of "row,position,colour" lines per major class, 公共施設 shared by both public parts,
// closed by "＊＊＊＊"). Both are rewritten through a temporary file that replaces the old one in
// one step, so a failed save leaves the old file whole.
#include <array>
#include <cstdint>
#include <string>

inline constexpr int kSymbolRows = 10;
inline constexpr int kSymbolColumns = 20;
inline constexpr std::int16_t kNoSymbol = 17;
inline constexpr int kColourRows = 20;
inline constexpr int kColourPositions = 55;

using PlaceNameSymbolTable = std::array<std::array<std::int16_t, kSymbolColumns>, kSymbolRows>;
using PlaceNameColourTable = std::array<std::array<std::int16_t, kColourPositions>, kColourRows>;

// The colours of major class 0-6 (-1 where the file says nothing). A missing file, lines over
// 48 bytes, short or non-numeric lines and cells outside the table give nothing.
PlaceNameColourTable ReadPlaceNameColours(const std::string& appDir, int majorClass);

// Writes NpSymbol.dat; false when it could not be written (the old file then stays).
bool WritePlaceNameSymbols(const std::string& appDir, const PlaceNameSymbolTable& symbols);

// Rewrites the section of major class 0-6 in NpClrTbl.dat with the cells that are not -1; the
// other lines stay, empty and comment lines are dropped. A missing section is added in its
// place, a missing file is made with all six sections and the closing line. False when it
// could not be written.
bool SavePlaceNameColours(const std::string& appDir, int majorClass, const PlaceNameColourTable& colours);
