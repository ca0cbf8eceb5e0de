#pragma once
// The search results' texts: the entry kept in the result list for each hit (name, latitude and
// longitude as D.MMSS), and its line of the SearchResultFile in the form the user chose: 2 CSV
// (the record again), 1 ".ymd" (fixed columns), anything else the entry text with the class
// codes. Lines are written with CR LF by the file writer. Widths count CP932 bytes.
#include "view/placenames/PlaceNameTables.h"

#include <string>
#include <string_view>

// The result list keeps room for its "999" end mark: at most this many entries.
inline constexpr int kSearchResultRoom = 29999;

inline constexpr int kResultFormYmd = 1;
inline constexpr int kResultFormCsv = 2;

// name + " %2.4f %3.4f " of the D.MMSS latitude and longitude.
std::string SearchResultEntry(std::string_view name, double latitudeDms, double longitudeDms);

// The record's texts in UTF-8; halfWidthReading: its reading as half-width katakana.
std::string AnnotationResultLine(const AnnotationRecord& record, const std::string& halfWidthReading, int form);
std::string FacilityResultLine(const FacilityRecord& record, int form);
