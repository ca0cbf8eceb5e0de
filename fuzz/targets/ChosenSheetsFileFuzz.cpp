// MAPFILE.DAT: the bytes become the chosen sheets list, read as the list dialog reads it, and a
// name appended as an addition does, read back with the name found among the first 35 lines
// unless they were all taken already.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/files/ChosenSheetsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/MAPFILE.DAT", data, size);
    const auto before = ReadChosenSheets(path);
    if (!before || before->size() > std::size_t(kChosenSheetsShown))
        __builtin_trap();
    for (const std::string& line : *before)
        if (line.empty() || line.front() == ';')
            __builtin_trap();
    if (ChosenSheetsMention(*before, "京都及大阪") || !AppendChosenSheet(path, "京都及大阪"))
        return 0;
    const auto after = ReadChosenSheets(path);
    // A file with a Ctrl-Z ends its text there, so the name may be hidden; otherwise it is seen.
    const bool ended = std::string_view(reinterpret_cast<const char*>(data), size).find('\x1a') != std::string_view::npos;
    if (!after || (before->size() < std::size_t(kChosenSheetsShown) && !ended && !ChosenSheetsMention(*after, "京都及大阪")))
        __builtin_trap();
    return 0;
}
