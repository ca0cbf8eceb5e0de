#pragma once
// The whole-country line data sets that have a ledger file: the selector each is known by (its
// code found in the data file's path, whatever the case), the ledger's name beside the data, and
// the three longitude parts of C32-59L, each a data file and a ledger of its own.
#include <array>
#include <string>
#include <string_view>

namespace ledger {

inline constexpr int kNoSelector = -1;
inline constexpr int kMineralSelector = 14;  // C22-59L
inline constexpr int kPartedSelector = 19;   // C32-59L

// The selector of the data set named in the path; the last matching code wins. kNoSelector for
// W15-52L and for a data set without a ledger.
int LedgerSelector(std::string_view dataPath);

// Whether the code occurs in the path, compared without regard to case.
bool PathHasCode(std::string_view dataPath, std::string_view code);

// "台帳" + the first three characters of the file name + ".dat".
std::string LedgerName(std::string_view dataPath);

// A part of C32-59L: the first-level longitude codes it takes, its data file and its ledger.
struct LedgerPart {
    int firstLongitudeCode;
    int lastLongitudeCode;
    const char* dataFile;
    const char* ledgerFile;
};
// East to west: a, b, c.
inline constexpr std::array<LedgerPart, 3> kLedgerParts{{
    {38, 49, "c32-59la.txt", "台帳c32a.dat"},
    {32, 37, "c32-59lb.txt", "台帳c32b.dat"},
    {20, 31, "c32-59lc.txt", "台帳c32c.dat"},
}};

// The index of the part of a longitude code; -1 when no part takes it.
int PartOfLongitudeCode(int code);

// The ledger path with its selector, as BuildLedgerFiles answers ("...\台帳C26.dat/0").
std::string LedgerAnswer(const std::string& ledgerPath, int selector);

// The two halves of such an answer; an empty answer gives an empty path and kNoSelector.
struct LedgerChoice {
    std::string path;
    int selector = kNoSelector;
};
LedgerChoice SplitLedgerAnswer(std::string_view answer);

} // namespace ledger
