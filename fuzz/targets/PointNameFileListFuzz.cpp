// Fuzz target: PNTFILE.DAT, the list of registered place-name files, read as the map page's combo
// (every entry) and the current place-name file dialog (the first 16) read it.
#include "app/settings/PointNameFileList.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The input as a file of this process (the reader opens files by path), removed at exit.
struct InputFile {
    std::string path = "/tmp/vd-PointNameFileListFuzz-" + std::to_string(getpid()) + ".dat";
    ~InputFile() { std::remove(path.c_str()); }
};

std::string WriteInput(const uint8_t* data, size_t size)
{
    static const InputFile file;
    if (FILE* f = std::fopen(file.path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return file.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInput(data, size);
    ReadPointNameFiles(path);
    ReadPointNameFiles(path, 16);
    return 0;
}
