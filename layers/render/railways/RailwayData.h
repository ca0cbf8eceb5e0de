#pragma once
// The railway data file's records as the railway layer reads them (raw CP932 lines, columns
// counted from 0 here): the ledger ("DS": railway number 5-10, class 16-17), sections ("S":
// railway number 39-44, entry count 47-52, then (n - 1) div 5 + 1 entry lines of five 14-byte
// entries: mesh 4, second-level code 2, link number 6), links ("L": mesh 3-6, second-level code
// 7-8, link number 9-14, point count from 46, then (n - 1) div 5 + 1 point lines), nodes ("N":
// coordinate text 16-31, station flag 31-32) and names (second byte "P": node number 9-12, name
// 16-71 up to its first blank).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace railways {

// Lines that follow a record of n entries or points, five a line.
inline int FollowingLines(int n) { return int((static_cast<long long>(n) - 1) / 5 + 1); }

// The 3 x 3 first-level meshes around mesh M, north-west to south-east; -1 outside.
int BlockOf(int mesh, int centreMesh);

// Railway classes by block, second-level code and link number; what has no place is ignored.
class RailwayClassGrid {
public:
    static constexpr int kRows = 78;
    static constexpr int kColumns = 370;
    RailwayClassGrid() : classes_(9 * kRows * kColumns, 0) {}
    void Set(int block, int row, int column, int railwayClass);
    int ClassAt(int block, int row, int column) const;

private:
    static int Index(int block, int row, int column);
    std::vector<std::int16_t> classes_;
};

// Railway numbers and their classes, in file order, at most 1000.
class RailwayLedger {
public:
    static constexpr int kMaxEntries = 1000;
    void AddLine(std::string_view dsLine);
    // The class of the first entry with the number; 2 for a number the ledger lacks.
    int ClassOf(std::string_view railwayNumber) const;

private:
    std::vector<std::pair<std::string, int>> entries_;
};

// Walks the section records of a line stream (the data file's section runs, or RL_属性.dat).
class SectionReader {
public:
    SectionReader(const RailwayLedger& ledger, RailwayClassGrid& grid, int centreMesh)
        : ledger_(ledger), grid_(grid), centreMesh_(centreMesh)
    {
    }
    void Line(std::string_view raw);

private:
    const RailwayLedger& ledger_;
    RailwayClassGrid& grid_;
    int centreMesh_;
    int linesLeft_ = 0;
    int class_ = 2;
};

// Whether a line of the data file belongs to RL_属性.dat: the runs from an "S" line up to the next
// "D" line.
class SectionRunFilter {
public:
    bool Keep(std::string_view raw);

private:
    bool inRun_ = false;
};

struct LinkHeader {
    std::string meshText;
    int mesh = 0;
    int row = 0;
    int link = 0;
    int pointCount = 0;
};
LinkHeader ParseLinkHeader(std::string_view raw);

// Blank-separated decimal integers of a point line, appended.
void ParsePointValues(std::string_view raw, std::vector<int>& values);

// The sheet code of a BLCMAP20.IDX line: "%2d" of the latitude in minutes div 40, then the last
// two longitude digits.
std::string SheetCode(std::string_view indexLine);

// The station name of a name record: columns 16-71 up to the first blank, empty without one.
std::string StationName(std::string_view raw);

} // namespace railways
