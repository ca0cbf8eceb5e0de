#pragma once
// A scratch folder per test process (under the temporary VELDORAN_HOME) and small file helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace vd::test {

inline std::filesystem::path scratchFolder()
{
    const char* home = std::getenv("VELDORAN_HOME");
    std::filesystem::path folder = std::filesystem::path(home ? home : "/tmp") / "fs-scratch";
    std::filesystem::create_directories(folder);
    return folder;
}

// The Windows form of a Linux path on the default drive (Z: is /).
inline std::string win(const std::filesystem::path& linuxPath)
{
    std::string result = "Z:";
    for (char c : linuxPath.string())
        result += c == '/' ? '\\' : c;
    return result;
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Puts a folder's modification time an hour back (or `seconds` back), so that its listing is
// old enough to be trusted and a later change shows as a new time.
inline void ageFolder(const std::filesystem::path& folder, int seconds = 3600)
{
    struct stat status{};
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    timespec times[2] = {status.st_atim, status.st_mtim};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    times[1].tv_sec = now.tv_sec - seconds;
    times[1].tv_nsec = 0;
    ASSERT_EQ(utimensat(AT_FDCWD, folder.c_str(), times, 0), 0);
}

} // namespace vd::test
