// The depth soundings (DP<lat>_<lon>.txt): the bytes become one depth text file of a scratch depth
// folder, read as the builder reads it, built into intermediate depth files by Ombrisk's builder
// for the region that reads it, and the result shown by the distribution map.
#include "contracts/ombrisk.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "submarine/files/DepthTextFile.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string file = vd::fuzz::writeApplicationFile("Depth/DP35_135.txt", data, size);
    // Each input builds afresh.
    std::filesystem::remove_all(vd::applicationFolderPath() / "Depth" / "SEAFLOOR");
    const std::string folder = file.substr(0, file.rfind('\\') + 1);
    // No outline files: their reader has a target of its own, and drawing them would take most
    // of each run.
    const std::string mapFolder = vd::fuzz::applicationFolderWin() + "NoOutlines\\";

    ReadDepthTextFile(file);
    vd::ImageDc dc(200, 150);
    OnSubmarineMeshDataFile(&dc, folder, mapFolder, 1, 150, 200, 100, 0);
    OnSbmrnMeshDistribution(&dc, 1, 1, 100, 0, 1, 150, 200, mapFolder, folder);
    return 0;
}
