#pragma once
// The route files of ROUTAREA\ and the master lists RoutMstr.dat and AreaMstr.dat as the program
// reads them (the dialog library writes them). A route file holds one point line a line: name,
// latitude and longitude (D.MMSS texts), item and files, single blanks between. A master line is
// the map's name, "@" and its route file's path. Lines of any length; CP932 with CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A loaded route keeps at most this many lines.
inline constexpr int kMaxRouteLines = 101;
// The index map reads at most this many master lines and uses the first 512.
inline constexpr int kMaxIndexMasterLines = 600;
inline constexpr int kMaxIndexMasterEntries = 512;

// The non-empty lines of a route file, at most `maxLines`; nullopt when it cannot be opened.
std::optional<std::vector<std::string>> ReadRouteFileLines(std::string_view winPath, int maxLines);

// A master list's non-empty lines, at most 600; none when it cannot be opened.
std::vector<std::string> ReadRouteIndexMaster(std::string_view winPath);

// The first `count` blank-separated fields of a line skipped: the rest ("" when there is none).
std::string_view AfterFields(std::string_view line, int count);
// Field `index` (0-based) of a blank-separated line ("" when there is none).
std::string_view LineField(std::string_view line, int index);
