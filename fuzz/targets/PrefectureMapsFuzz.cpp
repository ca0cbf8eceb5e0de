// The binary outline files of Surrick's prefecture maps (PRFCT_RK.DAT with its headers,
// JILSPFTR.DAT, BN_JMAPA.DAT, FEBORDER.DAT, 支庁界.dat): the bytes become each file, drawn by the
// three outline entry points into a small picture in both projections.
#include "contracts/surrick.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : {"Fuzz/PRFCT_RK.DAT", "Fuzz/JILSPFTR.DAT", "Fuzz/BN_JMAPA.DAT", "Fuzz/FEBORDER.DAT",
                             "Fuzz/支庁界.dat"})
        vd::fuzz::writeApplicationFile(name, data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    vd::ImageDc dc(160, 120);
    for (int mode : {0, 1, 2}) {
        const float scale = mode < 2 ? 2000.f : 300.f;
        OnPrefectureMap(&dc, "3|47|-20|99999|", folder, 80, mode, 0, 1, 455000.f, 1375000.f, scale);
        OnJapanDataIsland(&dc, folder, folder, 1, 80, mode, 0, 455000.f, 1375000.f, scale);
        OnPrectureLine(&dc, folder, 80, mode, 1, 101, 455000.f, 1375000.f, scale);
    }
    return 0;
}
