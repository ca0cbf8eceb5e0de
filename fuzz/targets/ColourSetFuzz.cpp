// Colour sets and their list: the bytes become PALETTE\PLTTFILE.DAT (the default list) and the
// colour set ATLAS1.PLT it falls back to; the document loads the set of several list lines and
// builds the tint ramp from it.
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    CVeldoranDoc& doc = vd::fuzz::document();
    vd::fuzz::writeApplicationFile("Fuzz/PLTTFILE.DAT", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/ATLAS1.PLT", data, size);
    const std::string paletteFolder = doc.folders.m_strPaletteDir;
    doc.folders.m_strPaletteDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    for (const int paletteNo : {0, 1, 5, -1}) {
        doc.colours.m_nPaletteNo = paletteNo;
        doc.BuildTintRamp();
    }
    doc.folders.m_strPaletteDir = paletteFolder;
    return 0;
}
