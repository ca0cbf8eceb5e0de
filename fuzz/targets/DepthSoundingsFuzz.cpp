// The depth text files as the sounding points and the contour map read them: the bytes become
// DP34_134.txt of a scratch depth folder, read as fixed columns on their own, then drawn as points
// by both sounding exports and as contours by the contour map from the text files.
#include "contracts/ombrisk.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "submarine/files/DepthTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string file = vd::fuzz::writeApplicationFile("Depth/DP34_134.txt", data, size);
    const std::string folder = file.substr(0, file.rfind('\\') + 1);
    ReadFixedColumnDepthFile(file);

    // Mesh 5235, whose square of files begins at 34 N, 134 E.
    constexpr int kWest = 134 * 3600;
    constexpr int kSouth = 34 * 3600;
    constexpr int kEast = kWest + 3 * 3600;
    constexpr int kNorth = kSouth + 3 * 3600;
    vd::ImageDc dc(200, 150);
    OnSubmarineData(&dc, folder, "5235", 150, 2, 0, 0, 200.0f / 10800, 150.0f / 10800, kEast, kNorth, kWest, kSouth, 2);
    OnSubmarineDataT(&dc, folder, "5235", 150, 2, 0, 0, 200.0f / 10800, 150.0f / 10800, kEast, kNorth, kWest, kSouth,
                     2);
    OnSubmarineContour(&dc, folder, "5235", 150, 200, 1, 0, 0, 0, 0, 200.0f / 10800, 150.0f / 10800, kEast, kNorth,
                       kWest, kSouth, 1, 0xFFFF00);
    return 0;
}
