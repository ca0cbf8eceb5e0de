#pragma once
// Writes a per-prefecture statistics data set in the layout that ReadPrefectureDataFile reads
// (CP932, CR LF): eight comment lines that explain the layout, the header "データ名称=" + name,
// then one line per prefecture, its name, one blank and the value text as typed. Also appends
// a data set's path to the catalogue (MAPELMNT\PfctrFl.dat).
#include <string>
#include <string_view>
#include <vector>

struct PrefectureDataEntry {
    std::string name;      // UTF-8, without the blank
    std::string valueText; // UTF-8, as typed (may be empty)
};

// The new file replaces an old one only when everything was written; false when it could not.
bool WritePrefectureDataFile(std::string_view winPath, const std::string& dataName,
                             const std::vector<PrefectureDataEntry>& rows);

// Appends the path and CR LF at the end of the catalogue, which is created when missing; false
// when it could not be written.
bool AppendPrefectureDataCatalogue(std::string_view catalogueWinPath, const std::string& dataSetPath);
