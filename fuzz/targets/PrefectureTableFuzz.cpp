// The prefecture table MAPELMNT\都道府県.DAT: the bytes become the file of the application
// folder, read whole and by line, and its points drawn by the prefecture map's label and map
// entry points into a small picture.
#include "basemap/files/PrefectureTableFile.h"
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string path = vd::fuzz::writeApplicationFile("MAPELMNT/都道府県.DAT", data, size);
    const std::string& folder = vd::fuzz::applicationFolderWin();

    ReadPrefectureTable(path);
    for (const int line : {0, 1, 12, 46, 47, -1})
        ReadPrefectureTablePoint(path, line);

    vd::ImageDc dc(160, 120);
    OnBmpPrfctrNameOut(&dc, 12, 0, 360000.f, 1390000.f, 10.f, 1.25f, "東京都", folder);
    OnBmpPrfctrNameOut(&dc, 47, 0, 360000.f, 1390000.f, 10.f, 1.25f, "", folder);
    OnCoastPrfctr(&dc, 26, 0, 1, 120, 160, 1, 8, 360000.f, 1390000.f, 10.f, 1.25f, folder + "Fuzz\\", "5235",
                  "京都府", folder);
    return 0;
}
