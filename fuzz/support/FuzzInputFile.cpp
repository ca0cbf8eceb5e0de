#include "fuzz/support/FuzzInputFile.h"

#include "fuzz/support/FuzzScratch.h"

#include <cstdio>
#include <filesystem>

namespace vd::fuzz {

std::string writeInputFile(std::string_view target, std::string_view extension, const std::uint8_t* data,
                           std::size_t size)
{
    const std::filesystem::path folder = scratchFolder() / "input";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string path = (folder / (std::string(target) + std::string(extension))).string();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

} // namespace vd::fuzz
