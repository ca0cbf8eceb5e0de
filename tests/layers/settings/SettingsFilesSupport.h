#pragma once
// Files for the settings tests, in the application folder of the test process.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/sys/ApplicationFolder.h"

inline std::filesystem::path HomeFolder()
{
    return vd::applicationFolderPath();
}

// The Windows form of a file in the application folder.
inline std::string WinPathOf(const std::string& name)
{
    return vd::applicationFolder() + name;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
