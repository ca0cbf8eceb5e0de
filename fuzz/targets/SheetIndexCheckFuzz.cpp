// The start-data check on a sheet index of any bytes: read as the program reads BlcMap20.idx
// (from a file, by its Windows-form path), then searched for sheet lines.
#include "platform/fs/PathResolver.h"
#include "view/StartDataCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("veldoran-fuzz-" + std::to_string(getpid())) / "BlcMap20.idx";
    std::filesystem::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto winPath = vd::toWindowsPath(file.string());
    if (!winPath)
        return 0;
    if (const auto lines = ReadSheetIndex(*winPath))
        SheetIndexHasSheets(*lines);
    StartDataProblem(file.parent_path(), *winPath);
    return 0;
}
