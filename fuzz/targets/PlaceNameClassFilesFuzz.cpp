// The class dialog's reading and rewriting of NpClrTbl.dat: the bytes become the colour file,
// every major class's section is read, and a section is rewritten and read again.
#include "fuzz/support/FuzzScratch.h"
#include "userdata/PlaceNameClassFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::writeApplicationFile("Fuzz/NpClrTbl.dat", data, size);
    const std::string appDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    for (int major = 0; major < 7; ++major)
        (void)ReadPlaceNameColours(appDir, major);
    const int major = size > 0 ? data[0] % 7 : 2;
    PlaceNameColourTable colours = ReadPlaceNameColours(appDir, major);
    colours[3][1] = 4;
    (void)SavePlaceNameColours(appDir, major, colours);
    (void)ReadPlaceNameColours(appDir, major);
    return 0;
}
