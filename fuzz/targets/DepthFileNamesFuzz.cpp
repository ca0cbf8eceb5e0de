// The names in SEAFLOOR\ that the distribution map reads as first-level meshes: each line of the
// bytes becomes the name of a file there (what a file name cannot hold is replaced), then the map
// lists, parses and frames them.
#include "contracts/ombrisk.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "submarine/files/IntermediateDepthFile.h"

#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace fs = std::filesystem;
    vd::fuzz::initialise();
    const fs::path seaFloor = vd::applicationFolderPath() / "Names" / "SEAFLOOR";
    fs::remove_all(seaFloor.parent_path());
    fs::create_directories(seaFloor);
    const std::string text = vd::fuzz::bytesText(data, size);
    std::size_t start = 0;
    for (int files = 0; start <= text.size() && files < 64; ++files) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string name = text.substr(start, std::min<std::size_t>(end - start, 200));
        start = end + 1;
        MeshOfDepthFileName(name);
        for (char& c : name)
            if (c == '/' || c == '\0')
                c = '_';
        if (name.empty() || name == "." || name == "..")
            continue;
        std::ofstream(seaFloor / name).put('x');
    }
    const std::string depthFolder = vd::fuzz::applicationFolderWin() + "Names\\";
    vd::ImageDc dc(200, 150);
    OnSbmrnMeshDistribution(&dc, 0, 1, 100, 0, 1, 150, 200, vd::fuzz::applicationFolderWin() + "Coast_JB\\",
                            depthFolder);
    OnSbmrnMeshDistribution(&dc, 1, 0, 100, 0, 0, 150, 200, "", depthFolder);
    return 0;
}
