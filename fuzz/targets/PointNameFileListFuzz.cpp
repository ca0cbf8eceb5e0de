// Fuzz target: PNTFILE.DAT, the list of registered place-name files, read as the map page's combo
// (every entry) and the current place-name file dialog (the first 16) read it, made when missing
// and appended to as the dialog registers a file.
#include "app/settings/PointNameFileList.h"
#include "fuzz/support/FuzzInputFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/sys/ApplicationFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("PointNameFileListFuzz", ".dat", data, size);
    ReadPointNameFiles(path);
    ReadPointNameFiles(path, 16);

    // In the application folder as the program keeps it: an odd-sized input finds no list first.
    const std::string appDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    const std::string list = vd::fuzz::writeApplicationFile("Fuzz/PNTFILE.DAT", data, size);
    if (size % 2 == 1) {
        std::error_code ignored;
        std::filesystem::remove(vd::applicationFolderPath() / "Fuzz" / "PNTFILE.DAT", ignored);
    }
    EnsurePointNameList(appDir);
    AppendPointNameFile(list, "Z:\\srv\\地名\\placenmn.dat");
    ReadPointNameFiles(list);
    return 0;
}
