#pragma once
// Small probabilistic hazard files written by the tests in the published form: one record a line,
// 64 characters and CR LF (66 bytes), or LF only where a test wants lines of another length.
#include "platform/fs/PathResolver.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace seismicfixtures {

inline std::filesystem::path Home() { return std::getenv("VELDORAN_HOME"); }

// The Windows form of a Linux folder, with its trailing backslash.
inline std::string WinFolder(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    return *vd::toWindowsPath(folder.string()) + "\\";
}

// One record without its line end: the cell code, four numbers and the value, 64 characters.
inline std::string Record(const std::string& code, float value)
{
    char line[128];
    std::snprintf(line, sizeof line, "%s,%10.4f,%10.4f,%10.4f,%10.4f,%11.6f", code.c_str(), 135.0, 35.0, 0.0, 0.0,
                  double(value));
    return line;
}

struct Cell {
    std::string code; // eight digits
    float value;
};

inline std::string Lines(const std::vector<Cell>& cells, const std::string& end = "\r\n")
{
    std::string text;
    for (const Cell& c : cells)
        text += Record(c.code, c.value) + end;
    return text;
}

// `count` cells of a first-level mesh, row by row from its south-west corner, all of one value.
inline std::vector<Cell> MeshCells(const std::string& mesh, int count, float value)
{
    std::vector<Cell> cells;
    for (int i = 0; i < count; ++i) {
        const int r = i / 800 % 8, s = i / 100 % 8, u = i / 10 % 10, v = i % 10;
        cells.push_back({mesh + std::to_string(r) + std::to_string(s) + std::to_string(u) + std::to_string(v), value});
    }
    return cells;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace seismicfixtures
