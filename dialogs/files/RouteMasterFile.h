#pragma once
// RoutMstr.dat and AreaMstr.dat in the route folder ROUTAREA\: one registered route or area map a
// line, its name, "@" and the full path of its route file, CP932 with CR LF. Lines beginning with
// ";" and empty lines are not entries. The choice dialogs hold at most 512 entries; a rewrite
// keeps the entries past the 512th as they were and drops the comments.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxRouteMasterEntries = 512;

// The master list's file name in the route folder: kind 0 route maps, any other area maps.
std::string RouteMasterPath(const std::string& routeFolder, int kind);

// The entries (whole lines) in file order, at most 512; a file that cannot be opened has none.
std::vector<std::string> ReadRouteMasterEntries(std::string_view winPath);

// An entry's name (the text before "@", the whole line without one) and route file path.
std::string RouteMasterName(std::string_view entry);
std::string RouteMasterFile(std::string_view entry);

// Writes the list anew: entry `index` (counted as ReadRouteMasterEntries counts) is left out
// (replacement nullopt) or replaced; entries past the 512th stay; comments and empty lines go.
// False, with the old file whole, when it cannot be read or written.
bool RewriteRouteMaster(std::string_view winPath, int index, const std::optional<std::string>& replacement);
