#pragma once
// Reads the surface-area, whole-country river and 1/10 lake files back by their columns: every
// area's references find their chains, every area closes and lies in its mesh; every river link
// has its attribute group; every lake record marks sub-cells and the lake has its "D" record.
#include <string>

namespace sampledata {

// Prints a summary line per kind of file and every fault; gives the number of faults.
int checkCountryFiles(const std::string& dataDir);

}  // namespace sampledata
