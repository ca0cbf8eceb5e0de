#pragma once
// MAPFILE.DAT, the list of chosen 1:200,000 sheets that the program's 指定の図幅へ menu is built
// from: CP932 text, one sheet name a line, CR LF; ";" starts a comment line. Lines are read in
// pieces of at most 98 bytes (a longer line gives several), and only the first 35 name lines
// count, as the menu shows no more.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kChosenSheetLineBytes = 98;
inline constexpr int kChosenSheetsShown = 35;

// The first 35 lines that are neither empty nor comments, in UTF-8; nullopt when the file
// cannot be opened.
std::optional<std::vector<std::string>> ReadChosenSheets(std::string_view winPath);

// Whether one of the lines holds the name, also as part of a longer line.
bool ChosenSheetsMention(const std::vector<std::string>& lines, std::string_view name);

// Appends the name and CR LF at the end of the file, which is created when missing; a last line
// without its line end gets one first, so the new name never joins it. False when the file
// cannot be written.
bool AppendChosenSheet(std::string_view winPath, std::string_view name);
