#pragma once
// The title of a seismic map: the name of the chosen entry of the seismic data list
// (SEISFILE.DAT or FLTFILE.DAT), the text before "=" on its line; empty and ";" lines are not
// entries. Empty when the list or the entry is missing.
#include <string>
#include <vector>

std::string SeismicEntryName(const std::vector<std::string>& lines, int entry);

// The map title for the document's seismic settings: the entry's name, and for a scenario map the
// quantity drawn ("[基盤の最大速度]", "[地表の最大速度]", "[地表の震度]").
std::string SeismicMapTitle(const std::string& appDir, int kind, int entry, int quantity);

// Whether the list of a kind (0 SEISFILE.DAT, else FLTFILE.DAT) holds at least one entry.
bool SeismicListHasEntries(const std::string& appDir, int kind);

// The message of the seismic commands when no data file is registered: which files the maps read
// and where they are registered.
std::string SeismicFilesNeededMessage(const std::string& appDir);
