#pragma once
// BINDER.DAT in the SOURCE\ folder: the titles of the numbered point data files, CP932 with CR LF.
// Lines beginning with ";" are comments and empty lines are skipped; the n-th title line is the
// title of SOURCE\Source<n>.dat. The common area (SOURCE\history.dat) is not listed in it.
#include <string>
#include <string_view>
#include <vector>

// The catalogue holds at most this many titles.
inline constexpr int kMaxBinderTitles = 99;

// The titles in file order, at most 99; a file that cannot be opened has none.
std::vector<std::string> ReadBinderTitles(std::string_view winPath);

// Appends one title line to an existing catalogue; never creates the file. False when the
// title was not written.
bool AppendBinderTitle(std::string_view winPath, std::string_view title);

// Writes the catalogue anew with these titles (comments are not carried over), through a
// temporary file, so a failed write leaves the old catalogue whole.
bool RewriteBinderTitles(std::string_view winPath, const std::vector<std::string>& titles);
