#pragma once
// The name a user registers for a seismic data file, made safe for its list line. A line break
// would split the entry, an "=" would move the start of the data path and a leading ";" would
// turn the entry into a comment: each shifts the numbers of the entries after it, so another map
// would be drawn. Line breaks (CR LF, CR or LF) and other control bytes but the tab become one
// blank each, "=" becomes "＝" and a leading ";" becomes "；".
#include <string>
#include <string_view>

namespace seismic {

std::string SeismicEntryName(std::string_view typed);

} // namespace seismic
