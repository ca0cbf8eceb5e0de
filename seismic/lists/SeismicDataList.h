#pragma once
// The two lists of registered seismic hazard data files in the application folder: SEISFILE.DAT
// (probabilistic maps, list kind 0) and FLTFILE.DAT (scenario maps, any other kind). One entry a
// line, "name=data file path"; lines starting with ";" and empty lines are not entries, so the
// entry number counts only entry lines. Lines are read whole (any length, CR LF or LF, also a last
// line without a line end); the lists are written CR LF in CP932.
#include <string>
#include <string_view>
#include <vector>

namespace seismic {

// The list file of a kind inside the folder (which ends in a backslash).
std::string SeismicListPath(std::string_view folder, int kind);

// The comment line that starts a list created here.
std::string_view SeismicListHeader(int kind);

// The quantity of a probabilistic data file, from the two letters just before the "." of its file
// name: "PS" 0, "SI" 1, "SV" 2, "BV" 3 (any case); anything else -1. A "." in a folder name does
// not count.
int SeismicQuantityCode(std::string_view dataPath);

// The data path of an entry line: the text after its first "=", or the whole line without one.
std::string SeismicEntryDataPath(std::string_view entryLine);

struct SeismicDataEntry {
    std::string line;  // the whole entry line; empty when there is no such entry
    int quantity = -1; // SeismicQuantityCode of its data file (probabilistic list only)
};

// Entry `index` (counted from 0) of the kind's list; empty for a missing list, -1 or an index past
// the last entry.
SeismicDataEntry GetSeismicDataEntry(std::string_view folder, int kind, int index);

// The names (text before the first "=") of every entry, in file order; none for a missing list.
std::vector<std::string> ListSeismicDataNames(std::string_view folder, int kind);

// Creates the list with its header line when it does not exist; an existing list is not touched.
// False when it neither exists nor could be created.
bool EnsureSeismicDataList(std::string_view folder, int kind);

// Adds "name=dataFile" at the end of the list (created when missing). A last line left without a
// line end is ended first, so the new entry never joins it.
bool AppendSeismicDataEntry(std::string_view folder, int kind, std::string_view name, std::string_view dataFile);

} // namespace seismic
