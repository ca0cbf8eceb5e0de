// The intermediate depth files as the depth maps read them (Sf<code>.dat): the bytes become the
// file of mesh 5235 in a scratch depth folder, read on their own, then drawn by the tint map and
// the relief map with contours and by the contour map, as the sheet map calls them.
#include "contracts/ombrisk.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "submarine/files/IntermediateDepthFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string file = vd::fuzz::writeApplicationFile("Depth/SEAFLOOR/Sf5235.dat", data, size);
    const std::string folder = file.substr(0, file.rfind("SEAFLOOR\\"));
    ReadIntermediateDepthFile(file);

    constexpr int kWest = 135 * 3600;
    constexpr int kSouth = 52 * 2400;
    vd::ImageDc dc(200, 150);
    // Mesh 5235 on 200 x 150 pixels; a 3 x 3 block from 5134 holds it in its middle.
    for (const auto& [mesh, blockSize] : {std::pair{"5235", 1}, std::pair{"5134", 3}}) {
        OnSubmarineTpgraphyMesh(&dc, folder, mesh, 150, 200, 0, 1, 0, 0, 200.0f / 3600, 150.0f / 2400, kWest + 3600,
                                kSouth + 2400, kWest, kSouth, blockSize, 0xFFFF00);
        OnSubmarineTpgraphyRelief(&dc, folder, mesh, 150, 200, 0, 1, 0, 0, 200.0f / 3600, 150.0f / 2400, kWest + 3600,
                                  kSouth + 2400, kWest, kSouth, blockSize, 0);
        OnSubmarineContour(&dc, folder, mesh, 150, 200, 1, 1, 0, 0, 0, 200.0f / 3600, 150.0f / 2400, kWest + 3600,
                           kSouth + 2400, kWest, kSouth, blockSize, 0xFFFF00);
    }
    return 0;
}
