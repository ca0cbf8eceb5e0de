#include "fuzz/support/FuzzInputFile.h"

#include <cstdio>
#include <set>
#include <unistd.h>

namespace vd::fuzz {

namespace {

struct InputFiles {
    std::set<std::string> paths;
    ~InputFiles()
    {
        for (const std::string& path : paths)
            std::remove(path.c_str());
    }
};

} // namespace

std::string writeInputFile(std::string_view target, std::string_view extension, const std::uint8_t* data,
                           std::size_t size)
{
    static InputFiles files;
    std::string path = "/tmp/vd-" + std::string(target) + "-" + std::to_string(getpid()) + std::string(extension);
    files.paths.insert(path);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

} // namespace vd::fuzz
