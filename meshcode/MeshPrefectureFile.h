#pragma once
// Msh_prft.dat, the shipped table of the prefectures that cover each first-level cell: one line
// per cell, the four-digit mesh code, "=", then prefecture codes 1-47 separated by single blanks
// ("5339=13 14 19"). Lines starting with ";" are comments; empty lines are skipped. Lines are read
// whole, whatever their length. Readers differ in which line of a repeated code holds (the layers
// keep the first, the municipality drawing the last) and in how many codes a line gives.
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

// How a reader takes the lines: which line of a code repeated holds, and the most codes a line
// gives (0: all of them).
struct MeshPrefectureRule {
    bool lastLineWins = false;
    int maxCodes = kMaxPrefecturesOfCell;
};
inline constexpr MeshPrefectureRule kLayerPrefectureRule{};
inline constexpr MeshPrefectureRule kMunicipalityPrefectureRule{true, 0};

// The prefecture code texts of the cell's line (an empty piece between two blanks is an empty
// entry); empty when the file cannot be opened or does not list the cell.
std::vector<std::string> ReadMeshPrefectureLine(std::string_view winPath, std::string_view meshCode,
                                                MeshPrefectureRule rule = kLayerPrefectureRule);

// The whole file read once, for a call that looks up many cells: each listed four-digit code with
// the entries of the line the rule keeps, as ReadMeshPrefectureLine gives them.
class MeshPrefectureTable {
public:
    explicit MeshPrefectureTable(MeshPrefectureRule rule = kLayerPrefectureRule) : rule_(rule) {}
    // The entries of the cell; the file is read on the first look-up only (a file that cannot be
    // opened lists no cell).
    const std::vector<std::string>& cell(std::string_view winPath, std::string_view meshCode);

private:
    MeshPrefectureRule rule_;
    std::optional<std::map<std::string, std::vector<std::string>, std::less<>>> lines_;
};

// The entries after the "=" of one data line, at most maxCodes of them (0: all).
std::vector<std::string> SplitPrefectureCodes(std::string_view line, int maxCodes = kMaxPrefecturesOfCell);

// Blanks the entries that are not to be read: codes outside 1-47, repeats of an earlier entry of
// the same line, and, unless the whole country is selected (flags[0]), prefectures whose flag is
// 0. The list keeps its length.
void BlankUnselectedPrefectures(std::vector<std::string>& codes, const int* flags);

// Blanks the cell's entries that are among the first `read` entries of `alreadyRead`, then
// appends the rest there; gives the new number read. `read` 0 starts a new call (all emptied).
int MarkPrefecturesRead(std::vector<std::string>& cellCodes, int read,
                        std::array<std::string, kMaxPrefecturesRead>& alreadyRead);

} // namespace meshcode
