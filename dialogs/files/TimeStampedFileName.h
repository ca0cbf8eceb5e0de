#pragma once
// Names of album, route and area files made from the local time, in 8.3 form:
//   kind 0 "N" + stem + ".m", kind 1 "G" + y + M + hex(day hour minute) + ".alb",
//   kind 2 "G" + yy + M + dd + hh + ".m" + "R", kind 3 ... "A", kind 4 ... "W", kind 5 ... "J",
// where M is the month as 1-9, A, B or C and m the minute without a leading zero. Any other kind
// gives an empty name.
#include <ctime>
#include <string>
#include <string_view>

std::string TimeStampedFileName(int kind, const std::tm& localTime);

// The name of the kind for the current local time (vd::ui's clock) that no file in the folder
// has yet: two albums or route maps made in one minute would otherwise share one name and the
// second would overwrite the first. When the stamped name is taken, the number that ends the
// name (kind 1: the hexadecimal number; the others: the minute) counts on until a name is free.
std::string FreeTimeStampedFileName(int kind, std::string_view winFolder);
