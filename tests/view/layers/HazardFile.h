#pragma once
// A probabilistic seismic hazard file of one value over first-level mesh 5235 (34°40'-35°20' N,
// 135°-136° E, the start sheet 京都及大阪): exceedance probability 0.26, drawn in kHazardClass4.
#include "platform/dc/Color.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace hazardfixture {

inline constexpr vd::COLORREF kHazardClass4 = vd::RGB(232, 0, 56); // 26 % to 40 %

inline void WriteHazardFile(const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "# fixture: one value over the start sheet\r\n";
    char line[96];
    for (int r = 0; r < 8; ++r)
        for (int s = 0; s < 8; ++s)
            for (int u = 0; u < 10; ++u)
                for (int v = 0; v < 10; ++v) {
                    std::snprintf(line, sizeof line, "5235%d%d%d%d,%10.4f,%10.4f,%10.4f,%10.4f,%11.6f\r\n", r, s, u,
                                  v, 135.0, 35.0, 0.0, 0.0, 0.26);
                    out << line;
                }
}

} // namespace hazardfixture
