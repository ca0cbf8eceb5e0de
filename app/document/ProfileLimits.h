#pragma once
// The ranges the program can use for the values it reads from the profile at start. The profile
// is the user's to edit, so a value outside its range is replaced by its default (a choice among
// fixed values, a pen number) or clamped (a size, a colour byte); an empty sheet name is the
// start sheet.
#include <initializer_list>
#include <string>

inline constexpr const char* kStartSheetName = "京都及大阪";

// `value` when it is one of `allowed`, else `fallback`.
int OneOfOr(int value, std::initializer_list<int> allowed, int fallback);
// `value` when it lies in lowest..highest, else `fallback`.
int WithinOr(int value, int lowest, int highest, int fallback);

// The map frame: 1 one sheet, 2 a block of sheets, 3 a free extent; else 2.
int UsableMapFrame(int frame);
// The sheets of a block: 9, 25 or 49; else 9.
int UsableBlockSheets(int sheets);
// A colour byte of the background: clamped to 0..255.
int UsableColourByte(int value);
// The point symbols' size in pixels: clamped to 1..16.
int UsableSymbolSize(int size);
// A coastline pen number (0..19); the prefecture coast also has 20, no coast.
int UsableCoastPen(int pen, int fallback);
int UsablePrefectureCoastPen(int pen, int fallback);
// A sheet name: the start sheet when empty.
std::string UsableSheetName(std::string name);
