#pragma once
// Small files of the prefecture maps in their real formats, under the test's application folder,
// addressed in Windows form (with the closing backslash) as the entry points receive them.
#include "platform/fs/LittleEndian.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace prefmap_test {

class MapFolder {
public:
    explicit MapFolder(const std::string& name = "")
        : linux_(std::filesystem::path(std::getenv("VELDORAN_HOME")) / name)
    {
        std::filesystem::create_directories(linux_);
    }
    std::string Windows() const
    {
        const auto w = vd::toWindowsPath(linux_.string());
        EXPECT_TRUE(w.has_value());
        std::string path = w.value_or("");
        return path.ends_with('\\') ? path : path + "\\";
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories((linux_ / name).parent_path());
        std::ofstream(linux_ / name, std::ios::binary) << bytes;
    }
    void WriteInt32Pairs(const std::string& name, const std::vector<std::pair<int, int>>& records) const
    {
        std::string bytes;
        for (const auto& [first, second] : records) {
            vd::appendInt32(bytes, first);
            vd::appendInt32(bytes, second);
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

} // namespace prefmap_test
