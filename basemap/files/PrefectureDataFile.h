#pragma once
// A per-prefecture statistics data set (CP932 text, CR LF) and the catalogue that lists the sets
// (MAPELMNT\PfctrFl.dat). Lines are read up to 298 bytes (the catalogue's up to 199); the rest of
// a longer line is cut and reading goes on. Empty lines and lines beginning with ";" are
// comments anywhere. The first other line is the header: its data name is the text after the
// first "=", or the whole line without one. Every further line is one prefecture in code order
// (line 0 = 北海道): the name, one blank, the value ("北海道 5224614").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A complete set has one row per prefecture.
inline constexpr int kPrefectureCount = 47;

struct PrefectureDataRow {
    std::string name;      // UTF-8, the text before the first blank
    std::string valueText; // UTF-8, the text after the first blank, as it stands
    double value = 0;      // valueText read as a number; a text that is no number reads as 0
};

struct PrefectureDataFile {
    std::string dataName; // UTF-8
    std::vector<PrefectureDataRow> rows;
};

// nullopt when the file cannot be opened; a file without a header has an empty name and no rows.
std::optional<PrefectureDataFile> ReadPrefectureDataFile(std::string_view winPath);

// The catalogue's data-set paths (UTF-8) as written; nullopt when it cannot be opened.
std::optional<std::vector<std::string>> ReadPrefectureDataCatalogue(std::string_view winPath);
