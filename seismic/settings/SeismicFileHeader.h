#pragma once
// What the data-file header dialog shows for one registered seismic data file: the entry's name
// and data path, a rule, then the data file's header lines down to and including the line that
// ends the header ("# COD" in a probabilistic file, "# XPO" in a scenario file). Every line ends
// in CR LF. A data file that cannot be opened gives the three title lines alone; a missing entry
// gives them with an empty name and path; a file without the marker line is shown whole.
#include <string>
#include <string_view>

namespace seismic {

// The line start that ends the header of a data file of the list kind.
std::string_view SeismicHeaderMarker(int kind);

std::string SeismicFileHeaderText(std::string_view listFolder, int kind, int entry);

} // namespace seismic
