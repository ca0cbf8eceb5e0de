// The start-data check on a sheet index of any bytes: read as the program reads BlcMap20.idx
// (from a file, by its Windows-form path), then searched for sheet lines.
#include "fuzz/support/FuzzScratch.h"
#include "platform/fs/PathResolver.h"
#include "view/window/StartDataCheck.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // In the run's scratch folder, removed with it whatever way the run ends.
    static const std::filesystem::path file = vd::fuzz::scratchFolder() / "index" / "BlcMap20.idx";
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
