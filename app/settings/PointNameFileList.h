#pragma once
// PNTFILE.DAT in the application folder: the registered place-name files, one full path a line
// (CP932, CR LF). Lines that are empty or begin with ";" are no entries. The environment settings
// offer its entries as the current place-name file; the current place-name file dialog lists
// them, appends new ones and hands the file to the user's editor. Platform layer only, so a fuzz
// target can link it.
#include <cstddef>
#include <string>
#include <vector>

inline constexpr const char* kPointNameListFile = "PNTFILE.DAT";
inline constexpr const char* kDefaultPlaceNameFile = "placenmn.dat";

// The list's path in the application folder (which ends with a backslash).
std::string PointNameListPath(const std::string& appDir);

// The entries in file order, at most `limit` of them (0: all). Lines of any length are whole
// entries. A list that cannot be read has none.
std::vector<std::string> ReadPointNameFiles(const std::string& listPath, std::size_t limit = 0);

// Creates the list naming the default place-name file when there is none. An existing list that
// cannot be read is left alone (it is the user's). False when a missing list could not be written.
bool EnsurePointNameList(const std::string& appDir);

// Appends a path and CR LF to the list, which is not truncated (a missing list is created).
bool AppendPointNameFile(const std::string& listPath, const std::string& path);
