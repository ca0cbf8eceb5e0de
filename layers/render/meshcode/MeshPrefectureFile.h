#pragma once
// Msh_prft.dat, the shipped table of the prefectures that cover each first-level cell: one line
// per cell, the four-digit mesh code, "=", then prefecture codes 1-47 separated by single blanks
// ("5339=13 14 19"). Lines starting with ";" are comments; empty lines are skipped; the first
// line for a code wins. Lines are read whole, whatever their length.
//
// The per-call bookkeeping of the layers sits beside it: which prefectures of a cell are
// selected, and which prefecture files a drawing call has read already.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshcode {

inline constexpr int kMaxPrefecturesOfCell = 10;
inline constexpr int kMaxPrefecturesRead = 50;
inline constexpr int kPrefectureCount = 47;

// The prefecture code texts of the cell's line (at most 10; an empty piece between two blanks is
// an empty entry); empty when the file cannot be opened or does not list the cell.
std::vector<std::string> ReadMeshPrefectureLine(std::string_view winPath, std::string_view meshCode);

// The whole file read once, for a call that looks up many cells: each listed four-digit code with
// the entries of its first line, as ReadMeshPrefectureLine gives them.
class MeshPrefectureTable {
public:
    // The entries of the cell; the file is read on the first look-up only (a file that cannot be
    // opened lists no cell).
    const std::vector<std::string>& cell(std::string_view winPath, std::string_view meshCode);

private:
    std::optional<std::map<std::string, std::vector<std::string>, std::less<>>> lines_;
};

// The entries after the "=" of one data line.
std::vector<std::string> SplitPrefectureCodes(std::string_view line);

// Blanks the entries that are not to be read: codes outside 1-47, repeats of an earlier entry of
// the same line, and, unless the whole country is selected (flags[0]), prefectures whose flag is
// 0. The list keeps its length.
void BlankUnselectedPrefectures(std::vector<std::string>& codes, const int* flags);

// Blanks the cell's entries that are among the first `read` entries of `alreadyRead`, then
// appends the rest there; gives the new number read. `read` 0 starts a new call (all emptied).
int MarkPrefecturesRead(std::vector<std::string>& cellCodes, int read,
                        std::array<std::string, kMaxPrefecturesRead>& alreadyRead);

} // namespace meshcode
