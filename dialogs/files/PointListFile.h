#pragma once
// The point files that the album, route and menu dialogs list: one point a line, fields separated
// by single blanks: 1 place name (an album: the first memo), 2 latitude text, 3 longitude text,
// 4 item (an album: the second memo), 5 first file, and 6, everything after a fifth blank, the
// second file. The dialogs keep each line packed as a PointEntry:
//   name "#" item "@" file5 "$" latitude "$" longitude ["$" file6]
// and list the part before "@".
#include <array>
#include <string>
#include <string_view>

// The list of a dialog: at most 99 entries in a table of 100, the entry after the last one
// being the end mark "999".
struct PointList {
    static constexpr int kTableSize = 100;
    static constexpr int kMaxEntries = kTableSize - 1;
    std::array<std::string, kTableSize> entry;
    int count = 0;
};

inline constexpr const char* kPointListEnd = "999";

enum class PointListFilter {
    Full,      // skips empty lines and lines beginning with ";" or "M"
    EmptyOnly, // skips empty lines only
};

// Reads a point file; a file that cannot be opened gives an empty list. Reading stops after the
// 99th kept line, so a longer file never overruns the table.
PointList ReadPointList(std::string_view winPath, PointListFilter filter);

// The PointEntry of a line. A line of fewer fields packs what it has: a cut that finds no blank
// takes the rest of the line and leaves the later fields empty. The program's update list joins
// name and item with "/" instead of "#".
std::string PackPointLine(std::string_view line, char itemSeparator = '#');

// A PointEntry taken apart for the detail controls: a picture in the first file place moves to
// the picture place, so the text file is the other one.
struct PointEntryFields {
    std::string name;
    std::string item;
    std::string textFile;
    std::string pictureFile;
    std::string latitude;
    std::string longitude;
};
PointEntryFields SplitPointEntry(std::string_view entry, char itemSeparator = '#');

// ".bmp", ".jpg", ".gif", ".pcd", ".pic": a name holding any of them (in lower case) anywhere
// counts as a picture.
inline constexpr std::array<const char*, 5> PictureExtensions = {".bmp", ".jpg", ".gif", ".pcd", ".pic"};
bool IsPictureFile(std::string_view name);
