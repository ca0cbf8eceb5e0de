// Fuzz target: a text file as the text display and the memo (modes 1 and 2) read it.
#include "dialogs/files/TextPageText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The input as a file of this process (the reader opens files by path), removed at exit.
struct InputFile {
    std::string path = "/tmp/vd-TextPageTextFuzz-" + std::to_string(getpid()) + ".dat";
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
    TextDisplayText(path);
    MemoText(1, path, {});
    MemoText(2, path, {});
    return 0;
}
