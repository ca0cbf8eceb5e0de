#pragma once
// Small depth-data folders for the tests: DP text files of soundings placed at the centres of
// named cells of a block's work grid, in a fresh folder of the test's application folder.
#include "platform/text/Format.h"
#include "platform/ui/PathForm.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace submarinetest {

struct Folder {
    std::filesystem::path linux;
    std::string win; // with its trailing backslash
};

inline Folder MakeFolder(const std::string& name)
{
    const char* home = std::getenv("VELDORAN_HOME");
    std::filesystem::path path = std::filesystem::path(home ? home : "/tmp") / name;
    std::filesystem::create_directories(path);
    return {path, vd::ui::toWindowsForm(path.string()) + "\\"};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A block's work grid: its north-west corner in arc-seconds.
struct BlockCorner {
    int north = 0;
    int west = 0;
};
// The block of 34-36 N, 134-137 E (meshes 5134-5336), which region 1 builds.
inline constexpr BlockCorner kBlock34_134{36 * 3600, 134 * 3600};

// A sounding line at the centre of the cell (row from the north, column from the west).
inline std::string CellLine(const BlockCorner& block, int row, int column, int depth, char kind = '1')
{
    const double latitude = (block.north - row * 15 - 7.5) / 3600.0;
    const double longitude = (block.west + column * 22.5 + 11.25) / 3600.0;
    return std::string(1, kind) + vd::format(" %.6f %.6f %d", latitude, longitude, depth);
}

inline std::string CrLf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace submarinetest

namespace submarinetest {

// An intermediate depth file of 160 x 160 cells (row 0 north), little-endian, in SEAFLOOR\ of the
// folder; `cells` a function of (row, column) giving the depth.
template <class Depth>
void WriteSeaFloorFile(const Folder& folder, const std::string& name, Depth depthAt, int bytes = 51200)
{
    std::string data;
    for (int row = 0; row < 160; ++row)
        for (int column = 0; column < 160; ++column) {
            const int v = depthAt(row, column);
            data.push_back(char(v & 0xFF));
            data.push_back(char((v >> 8) & 0xFF));
        }
    data.resize(std::size_t(bytes));
    WriteBytes(folder.linux / "SEAFLOOR" / name, data);
}

} // namespace submarinetest
