// The per-prefecture statistics data sets: the bytes become a data set, the population and area
// sets, the catalogue and the prefecture table of MAPELMNT\, read by their readers and drawn by
// the statistics map in every display kind.
#include "basemap/files/PrefectureDataFile.h"
#include "basemap/files/PrefectureTableFile.h"
#include "contracts/surrick.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : {"MAPELMNT/FUZZ.DAT", "MAPELMNT/県別人口.DAT", "MAPELMNT/県別面積.DAT", "MAPELMNT/PfctrFl.dat",
                             "MAPELMNT/都道府県.DAT"})
        vd::fuzz::writeApplicationFile(name, data, size);
    const std::string& folder = vd::fuzz::applicationFolderWin();
    const std::string dataFile = folder + "MAPELMNT\\FUZZ.DAT";

    ReadPrefectureDataFile(dataFile);
    ReadPrefectureDataCatalogue(folder + "MAPELMNT\\PfctrFl.dat");
    ReadPrefectureChartPoints(folder + "MAPELMNT\\都道府県.DAT");

    std::string ranks;
    for (int i = 46; i >= 0; --i)
        ranks += std::to_string(i) + "|";
    vd::ImageDc dc(200, 150);
    for (int kind = 0; kind <= 11; ++kind)
        OnPrefectureDataDisp(&dc, folder, dataFile, ranks, kind % 3, kind, kind % 2, kind < 6 ? 0 : 2, 1, kind % 2, 11,
                             455000.f, 1375000.f, kind < 6 ? 2000.f : 300.f, 100.f, 200, 150);
    return 0;
}
