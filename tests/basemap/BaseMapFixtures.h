#pragma once
// Small base-map files in their real formats, written into a scratch folder under the test's
// application folder, addressed in Windows form as the entry points receive them.
#include "platform/fs/LittleEndian.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace basemap_test {

class FixtureFolder {
public:
    FixtureFolder() : linux_(std::filesystem::path(std::getenv("VELDORAN_HOME")) / "Coast_JB")
    {
        std::filesystem::create_directories(linux_);
    }
    const std::filesystem::path& LinuxPath() const { return linux_; }
    // The folder in Windows form, ending in a backslash.
    std::string Windows() const
    {
        const auto w = vd::toWindowsPath(linux_.string());
        EXPECT_TRUE(w.has_value());
        return w.value_or("") + "\\";
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories((linux_ / name).parent_path());
        std::ofstream(linux_ / name, std::ios::binary) << bytes;
    }
    // Pairs of int32 (outline, lake and sub-prefecture files).
    void WriteInt32Pairs(const std::string& name, const std::vector<std::pair<int, int>>& records) const
    {
        std::string bytes;
        for (const auto& [first, second] : records) {
            vd::appendInt32(bytes, first);
            vd::appendInt32(bytes, second);
        }
        WriteBytes(name, bytes);
    }
    // Pairs of int16 (mesh-cut files).
    void WriteInt16Pairs(const std::string& name, const std::vector<std::pair<int, int>>& records) const
    {
        std::string bytes;
        for (const auto& [a, b] : records) {
            vd::appendInt16(bytes, static_cast<std::int16_t>(a));
            vd::appendInt16(bytes, static_cast<std::int16_t>(b));
        }
        WriteBytes(name, bytes);
    }
    // CP932 text with CR LF line ends.
    void WriteText(const std::string& name, const std::vector<std::string>& utf8Lines) const
    {
        std::string bytes;
        for (const auto& line : utf8Lines)
            bytes += vd::utf8ToCp932(line) + "\r\n";
        WriteBytes(name, bytes);
    }

private:
    std::filesystem::path linux_;
};

} // namespace basemap_test
