// The outline files of the overviews (BN_JMAPA.DAT, FEBORDER.DAT, BN_FECST.DAT) and the
// sub-prefecture borders (支庁界.dat): the bytes become each file, read and drawn by Dovanne's
// entry points into a small picture as the overview and prefecture maps draw them.
#include "basemap/files/OutlinePolylineFile.h"
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : {"Fuzz/BN_JMAPA.DAT", "Fuzz/FEBORDER.DAT", "Fuzz/BN_FECST.DAT", "Fuzz/支庁界.dat"})
        vd::fuzz::writeApplicationFile(name, data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    ReadOutlinePolylineFile(folder + "BN_JMAPA.DAT");
    ReadSubprefectureBorderFile(folder + "支庁界.dat");

    vd::ImageDc dc(160, 120);
    OnJapanCoastLineDraw(&dc, 0, 1, 0, 80, 60, 1, 355000.f, 1375000.f, 850.f, folder);
    OnJapanCoastLineDraw(&dc, 2, 1, 1, 80, 60, 0, 375000.f, 1375000.f, 3000.f, folder);
    OnForeEastCoast(&dc, 0.f, 0.f, 0.01f, 0.01f, 360000, 350000, 363600, 370000, folder);
    OnCstPrfctrLine(&dc, folder, "6441", "RED", 433400.f, 1410000.f, 10.f, 1.25f, 1, 0, 120, 160, 1);
    return 0;
}
