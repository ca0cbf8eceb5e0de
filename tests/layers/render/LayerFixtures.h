#pragma once
// Small national-land files in their published formats (CP932 text), written into a folder of
// the test's application folder and addressed in Windows form as the entry points receive them.
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace layers_test {

class LayerFolder {
public:
    explicit LayerFolder(const std::string& name = "KSJ")
        : linux_(std::filesystem::path(std::getenv("VELDORAN_HOME")) / name)
    {
        std::filesystem::create_directories(linux_);
    }
    const std::filesystem::path& LinuxPath() const { return linux_; }
    std::string Windows() const
    {
        const auto w = vd::toWindowsPath(linux_.string());
        EXPECT_TRUE(w.has_value());
        return w.value_or("") + "\\";
    }
    // UTF-8 lines written as CP932 with CR LF (the name too is UTF-8 on disk).
    void WriteLines(const std::string& name, const std::vector<std::string>& lines) const
    {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += vd::utf8ToCp932(line) + "\r\n";
        WriteBytes(name, bytes);
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(linux_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path linux_;
};

// The header line of a line record: "L", the road number in columns 36-45, N from column 47.
inline std::string LineHeader(int pointCount, int roadNumber = 0)
{
    std::string line = "L" + std::string(34, ' ');
    line += vd::format("%10d", roadNumber) + " " + vd::format("%d", pointCount);
    return line;
}

// Points as the files hold them: longitude and latitude in tenths of an arc-second.
inline std::string PointLine(const std::vector<std::pair<int, int>>& lonLatSeconds)
{
    std::string line;
    for (const auto& [lon, lat] : lonLatSeconds)
        line += vd::format("%d %d ", lon * 10, lat * 10);
    return line;
}

// A road ledger line: "DL", the road number in columns 4-13, the class in columns 17-18.
inline std::string LedgerLine(int roadNumber, int roadClass)
{
    return "DL " + vd::format("%10d", roadNumber) + "   " + vd::format("%2d", roadClass);
}

} // namespace layers_test
