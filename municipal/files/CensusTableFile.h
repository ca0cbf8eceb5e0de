#pragma once
// A census table as published in comma-separated text (CP932): line 1 is the header of column
// codes ("KEY_CODE,HYOSYO,...,P000501001"), every further line one record. Lines are read up to
// 1999 bytes (the rest of a longer line is dropped), reading stops at the first empty line or
// after 1000 records, and a line holds at most 200 fields. A line splits at ","; the text after
// the last comma is one more field only when it is not empty ("a,b," has two fields).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kCensusLineBytes = 1999;
inline constexpr int kCensusMaxRecords = 1000;
inline constexpr int kCensusMaxFields = 200;

struct CensusTable {
    std::string headerLine;          // UTF-8, as read (cut to the line limit)
    std::vector<std::string> header; // the header's fields
    std::vector<std::vector<std::string>> records;
};

// The fields of one line, at most kCensusMaxFields.
std::vector<std::string> SplitCensusLine(std::string_view line);

// nullopt when the file cannot be opened.
std::optional<CensusTable> ReadCensusTableFile(std::string_view winPath);
