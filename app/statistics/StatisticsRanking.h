#pragma once
// The chosen data set as read and ranked: the file and display method it was read for, the list's
// texts (the title, the dashes, the 47 prefecture lines), each line's value as read and whether it
// was read, the values ranked (after the per-inhabitant or per-area division) and the divisors
// (none where a prefecture has no value), per prefecture the prefecture index by rank [0] and the
// rank by prefecture [1], and the values' sum, largest value and mean. Written by the statistics
// command; the prefecture map and the ranking list read it.
#include <array>
#include <optional>
#include <string>

struct StatisticsRanking {
    std::string m_strPrefDataLoaded;
    int m_nPrefDataLoadedMethod = -1;
    std::array<std::string, 49> m_astrPrefDataText;
    std::array<double, 47> m_adPrefLineValue{};
    std::array<bool, 47> m_abPrefLineRead{};
    std::array<std::optional<double>, 47> m_adPrefValue;
    std::array<std::optional<double>, 47> m_adPrefDivisor;
    std::array<std::array<int, 2>, 47> m_anPrefRank{};
    float m_fPrefSum = 0;
    float m_fPrefMax = 0;
    float m_fPrefMean = 0;
};
