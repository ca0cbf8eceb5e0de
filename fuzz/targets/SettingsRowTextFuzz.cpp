// Fuzz target: the texts of a settings row, as a page takes them: a path typed into a file or
// folder edit (stored in the program's path form on OK) and a chosen path written in the folder
// form with each code length the dialogs use.
#include "layers/settings/files/DataFileChoice.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    StoredPathForm(text);
    if (const auto choice = SplitDataFolderPath(text))
        for (int codeLength : {7, 8, 9})
            DataFolderText(*choice, codeLength);
    return 0;
}
