#pragma once
// Route and area maps as this library writes them, in the route folder ROUTAREA\:
// - the RouteFile: one point line a line (CR LF), name, latitude, longitude, item, first file
//   and, when the point has one, the second file; single-byte letters in lower case;
// - the master lists RoutMstr.dat (route maps) and AreaMstr.dat (area maps): one line a map,
//   its name, "@" and the RouteFile's full path.
#include "dialogs/files/PointListFile.h"

#include <optional>
#include <string>
#include <string_view>

// The RouteFile line of a PointEntry (name "#" item "@" file "$" latitude "$" longitude
// ["$" second file]), in lower case.
std::string RouteFileLine(std::string_view entry);

// Registers the entries (up to the first empty one) as a route map (kind 2, RoutMstr.dat) or an
// area map (kind 3, AreaMstr.dat): the folder is made when missing, the RouteFile gets the next
// free time-stamped name, and the master line is added only after the whole RouteFile was
// written. The RouteFile's path, or nothing when either file could not be written.
std::optional<std::string> RegisterRouteFile(const std::string& routeFolder, int nameKind, const std::string& mapName,
                                             const PointList& entries);

// The master list of a name kind: "RoutMstr.dat" for 2, "AreaMstr.dat" for 3.
const char* RouteMasterFileName(int nameKind);
