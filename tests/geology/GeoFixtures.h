#pragma once
// Small geology files (CP932, CR LF) in a folder of the test's application folder, addressed in
// Windows form as the entry points receive them, and the two record layouts built column by column.
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace geology_test {

class GeoFolder {
public:
    explicit GeoFolder(const std::string& name = "GEO")
        : linux_(std::filesystem::path(std::getenv("VELDORAN_HOME")) / name)
    {
        std::filesystem::create_directories(linux_);
    }
    std::string Windows() const
    {
        const auto w = vd::toWindowsPath(linux_.string());
        EXPECT_TRUE(w.has_value());
        return w.value_or("") + "\\";
    }
    void WriteLines(const std::string& name, const std::vector<std::string>& lines) const
    {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += vd::utf8ToCp932(line) + "\r\n";
        std::ofstream(linux_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path linux_;
};

// A record line: the mesh code in columns 5-12, then fields put at their columns.
class GeoRecord {
public:
    explicit GeoRecord(const std::string& meshCode) : line_("G    " + meshCode) {}
    GeoRecord& Put(std::size_t column, const std::string& text)
    {
        if (line_.size() < column + text.size())
            line_.resize(column + text.size(), ' ');
        line_.replace(column, text.size(), text);
        return *this;
    }
    operator std::string() const { return line_; }

private:
    std::string line_;
};

// A natural-terrain record of mesh 5339 at third-level row 0, column 0 of second-level cell (a, b).
struct TerrainFields {
    std::string count = "0001", slope = "12", direction = "03", terrain = "05", sub = "0", rock = "31",
                hardness = "4", era = "5", structure = "1", soil = "21", soilSymbol = "0", valley = "20";
};
inline std::string TerrainRecord(const std::string& code, const TerrainFields& f)
{
    return GeoRecord(code)
        .Put(13, f.count)
        .Put(28, f.slope)
        .Put(31, f.direction)
        .Put(38, f.terrain)
        .Put(40, f.sub)
        .Put(41, f.rock)
        .Put(43, f.hardness)
        .Put(44, f.era)
        .Put(45, f.structure)
        .Put(46, f.soil)
        .Put(48, f.soilSymbol)
        .Put(57, f.valley);
}

struct LandClassFields {
    std::string terrain = "05", sub = "0", rock = "31", hardness = "4", era = "5", structure = "1", soil = "21",
                soilSymbol = "0";
};
inline std::string LandClassRecord(const std::string& code, const LandClassFields& f)
{
    return GeoRecord(code)
        .Put(13, f.terrain)
        .Put(15, f.sub)
        .Put(16, f.rock)
        .Put(18, f.hardness)
        .Put(19, f.era)
        .Put(20, f.structure)
        .Put(21, f.soil)
        .Put(23, f.soilSymbol);
}

// Mesh 5339 in arc-seconds.
inline constexpr int kNorth5339 = 129600;
inline constexpr int kWest5339 = 500400;
inline constexpr int kSouth5339 = 127200;
inline constexpr int kEast5339 = 504000;

} // namespace geology_test
