#pragma once
// The road ledger (data-set base + "台.TXT") and the road classes it gives. A ledger line starts
// with "DL" (other lines are passed over) and holds the road number in columns 4-13 and the road
// class in columns 17-18 (1-based). Only the first 4000 "DL" lines are read.
//
// RoadClassTable: 50 groups of 1000 road numbers, every class preset to 7. Numbers 1000-47999
// are grouped by prefecture (n div 1000), 70000-79999 are group 48, 80000-89999 group 49 and
// 90000-99999 group 0 (beside 0-999). Other numbers have no place: the ledger's entries for them
// are ignored and they are drawn as class 7.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class RoadClassTable {
public:
    static constexpr int kDefaultClass = 7;
    RoadClassTable() { classes_.fill(kDefaultClass); }
    // The entry of a road number in the table, if it has one.
    static std::optional<std::size_t> Slot(int roadNumber);
    void Set(int roadNumber, int roadClass);
    int ClassOf(int roadNumber) const;

private:
    std::array<std::int16_t, 50 * 1000> classes_;
};

inline constexpr int kMaxLedgerLines = 4000;

// Fills the table from the ledger; false (the table unchanged) when the file cannot be opened.
bool ReadRoadLedgerFile(std::string_view winPath, RoadClassTable& table);
