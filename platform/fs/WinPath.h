#pragma once
// Windows-form paths as the system writes them: a drive, backslashes, folders with a trailing
// backslash ("Z:\home\user\.local\share\veldoran\MAPELMNT\都道府県.DAT"). "/" is taken as a
// separator too. These helpers only look at the text; nothing here touches the disk.
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct WinPathParts {
    char drive = 0;           // upper-case letter, 0 when the path names none
    bool rooted = false;      // starts at the drive's root (or "/" when no drive is named)
    bool trailingSeparator = false;
    std::vector<std::string> components; // "." removed, ".." applied, empty parts dropped
};

// Splits a Windows-form path. A drive without a separator ("D:data") is taken from the drive's
// root; ".." never climbs above the root.
WinPathParts parseWinPath(std::string_view path);

bool isWinSeparator(char c);

// "Z:\a\b\c.dat" -> "Z:\a\b\" (the folder with its trailing backslash; "" for a bare name).
std::string winFolderOf(std::string_view path);
// "Z:\a\b\c.dat" -> "c.dat"; "" for a path ending in a separator.
std::string winFileName(std::string_view path);
// "Z:\a\b\c.tar.dat" -> "dat": the file name's part after its last "."; "" when it has none.
std::string winExtension(std::string_view path);
// "Z:\a\b\c.tar.dat" -> "c.tar": the file name without its extension and its ".".
std::string winFileStem(std::string_view path);
// The path with exactly one trailing backslash ("" stays "").
std::string withTrailingBackslash(std::string_view path);

} // namespace vd
