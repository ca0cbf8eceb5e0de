#pragma once
// The lists the view hands the find-place dialog: municipalities from the headers of the
// municipality polygon files, place-name and registered-point lines, and search results. Each
// list ends with "999" and fits the dialog's room (CDlgFindPlace::kRecordRoom, the mark included).
#include <span>
#include <string>
#include <vector>

// The header records of up to 60 CITYPLGN\Pg*.dat files under the municipality folder, in the
// listing's order: each entry the record's columns 29-68 (raw CP932) and then its code
// (columns 0-4). Only "999" when there is no such folder.
std::vector<std::string> ReadMunicipalityList(const std::string& cityBorderDir);
// What the user is told when that list is empty: the files it reads.
std::string NoMunicipalityListMessage(const std::string& cityBorderDir);

// Appends the lines of a text file, without empty lines and ";" comments, while the list holds
// fewer than `limit` lines. A missing file adds nothing.
void AppendPlaceLines(const std::string& path, int limit, std::vector<std::string>& lines);

// The search results up to their "999", at most `count`, then "999".
std::vector<std::string> SearchResultList(std::span<const std::string> results, int count);
