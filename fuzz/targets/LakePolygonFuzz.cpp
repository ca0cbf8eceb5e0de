// The lake and reservoir files (TLR0001.DAT, TLR0002.DAT): the bytes become both, read and drawn
// by Dovanne's sheet and prefecture-map lake entry points into a small picture.
#include "basemap/files/LakePolygonFile.h"
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    vd::fuzz::writeApplicationFile("Fuzz/TLR0001.DAT", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/TLR0002.DAT", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    ReadLakePolygonFile(folder + "TLR0001.DAT");

    vd::ImageDc dc(160, 120);
    // The extent of the lake tests: 470000..480000" east, 120000..130000" north.
    OnLakeDraw(&dc, folder, 0, 0.f, 0.f, 0.016f, 0.012f, 480000, 130000, 470000, 120000, 0, 0x00FF8800);
    OnLakeDraw(&dc, folder, 10, 0.f, 0.f, 0.016f, 0.012f, 480000, 130000, 470000, 120000, 1, 0);
    OnPrfctrLake(&dc, folder, 0, 1, 1.25f, 360000.f, 1390000.f, 10.f, 0, 120, 160, 0, 0x00FF8800);
    OnPrfctrLake(&dc, folder, 0, 1, 1.25f, 360000.f, 1390000.f, 10.f, 11, 120, 160, 0, 0);
    return 0;
}
