// Fuzz target: a point file read into a dialog's point list with both filters, each entry taken
// apart for the detail controls, and the whole input packed as one line.
#include "dialogs/files/PointListFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The input as a file of this process (the reader opens files by path), removed at exit.
struct InputFile {
    std::string path = "/tmp/vd-PointListFuzz-" + std::to_string(getpid()) + ".dat";
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
    for (PointListFilter filter : {PointListFilter::Full, PointListFilter::EmptyOnly}) {
        const PointList list = ReadPointList(path, filter);
        for (int i = 0; i < list.count; ++i)
            SplitPointEntry(list.entry[i]);
    }
    SplitPointEntry(PackPointLine(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
