// The label files of the overview maps (FarEast.DAT, 支庁xy.txt): the bytes become each file,
// read and drawn with their labels by the Japan outline map and the prefecture lines.
#include "basemap/files/MapLabelFile.h"
#include "contracts/surrick.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    vd::fuzz::writeApplicationFile("Fuzz/FarEast.DAT", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/支庁xy.txt", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    ReadFarEastLabelFile(folder + "FarEast.DAT");
    ReadSubprefectureLabelFile(folder + "支庁xy.txt");
    vd::ImageDc dc(160, 120);
    for (int mode : {0, 2}) {
        const float scale = mode < 2 ? 2000.f : 300.f;
        OnJapanDataIsland(&dc, folder, folder, 0, 80, mode, 1, 455000.f, 1375000.f, scale);
        OnPrectureLine(&dc, folder, 80, mode, 0, 101, 455000.f, 1375000.f, scale);
    }
    return 0;
}
