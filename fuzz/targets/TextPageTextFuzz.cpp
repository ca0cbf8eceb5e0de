// Fuzz target: a text file as the text display and the memo (modes 1 and 2) read it.
#include "dialogs/files/TextPageText.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("TextPageTextFuzz", ".dat", data, size);
    TextDisplayText(path);
    MemoText(1, path, {});
    MemoText(2, path, {});
    return 0;
}
