// The municipality drawing's readers as its entry points use them: the bytes become a municipality
// file, its coastline, a pfctr file and 支庁界.dat (Msh_prft.dat lists prefecture 13 for the cells;
// its own reader has MeshPrefectureFileFuzz), drawn by the white map, the plain map in both
// projections, the search and the prefecture lines into a small picture.
#include "contracts/surrick.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : {"Fuzz/CityPlgn/Pg001_13.dat", "Fuzz/CoastC23/Ln59l_13.dat", "Fuzz/pfctr01.dat",
                             "Fuzz/支庁界.dat"})
        vd::fuzz::writeApplicationFile(name, data, size);
    vd::fuzz::writeApplicationFile("Fuzz/Msh_prft.dat", reinterpret_cast<const std::uint8_t*>("5339=13\r\n6441=13"), 16);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    vd::ImageDc dc(160, 120);
    const int south = 127200, west = 500400;
    OnCitySurfaceWhite(&dc, -11, 0, 0, 9, 5339, 3, 0, 0, 11, 1, 0.2f, 0.2f, "", "", "9", folder, folder, folder);
    for (int linear : {0, 1})
        OnCitySurfacePlain(&dc, 3, 31, 3, south + 2400, west, south, west + 3600, 0, -1, 0, 0, 0, 1, 11, linear, 300.f,
                           1390000.f, 0.f, 0.f, 0.04f, 0.04f, "/", "5339", "", "", folder, folder, folder);
    OnCitySurfaceSearch(&dc, 2, south + 2400, west, south, west + 3600, 0, 1, 0, 0, 1, 1, 1, 0.f, 0.f, 0.04f, 0.04f,
                        "", "5339", "", "", folder, folder, "13101");
    OnPlnPrfctrLine(&dc, 131, south + 2400, west, south, west + 3600, 0, 1, 0, 0, 0, 0, 0.f, 0.f, 0.04f, 0.04f, "",
                    "5339", "", "", "", folder);
    OnPlnPrfctrLine(&dc, 120, 6441 / 100 * 2400 + 2400, 41 * 3600 + 360000, 6441 / 100 * 2400, 42 * 3600 + 360000, 0, 1,
                    0, 0, 0, 0, 0.f, 0.f, 0.04f, 0.04f, "", "6441", "", "", "", folder);
    return 0;
}
