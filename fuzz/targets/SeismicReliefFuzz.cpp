// The relief and value-label forms of the seismic plain exports, through the library's own entry
// points into a small picture: the input is the relief file TEMP\RELIEF.DAT under valid
// probabilistic and scenario files, then the scenario data file drawn as relief and as labels.
#include "contracts/halvette.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/ImageDc.h"

#include <cstdio>
#include <filesystem>

namespace {

// One mesh (5339) at a pixel a second around its south-west corner; area kind 0, legend flag.
int Plain(OnSeisPlainMesh_fn* draw, const std::string& folder, int option, int layerModeCode, int entry)
{
    vd::ImageDc dc(96, 96);
    return draw(&dc, 0, 127290, 500400, 127200, 500535, option, 1, 1, 0, 2, layerModeCode, 1024, entry, 700, 0, 0.f,
                0.f, 0.5f, 0.5f, "", "5339", "", "", folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string folder = layer_fuzz::WindowsFolder();
    static const bool written = [&] {
        layer_fuzz::WriteText("SEISFILE.DAT", "valid=" + folder + "RELIEF_PS.CSV\r\n");
        layer_fuzz::WriteText("FLTFILE.DAT", "valid=" + folder + "VALID-MAP-A.CSV\r\nfuzz=" + folder +
                                                 "FUZZ-MAP-A.CSV\r\n");
        std::string ps;
        for (const char* code : {"53390000", "53390001", "53390010", "53390011"})
            ps += std::string(code) + ",  135.0000,   35.0000,    0.0000,    0.0000,   0.300000\r\n";
        layer_fuzz::WriteText("RELIEF_PS.CSV", ps);
        std::string scenario = "# XPO\r\n";
        char line[96];
        for (int i = 0; i < 3; ++i) {
            std::snprintf(line, sizeof line, "1,2,%.5f,%.5f,0,0,75,0,0,131,6.05\r\n", 139.00625 + i * 0.0125,
                          35.3375 + i * 0.00833);
            scenario += line;
        }
        layer_fuzz::WriteText("VALID-MAP-A.CSV", scenario);
        std::filesystem::create_directories(layer_fuzz::ScratchFolder() / "TEMP");
        return true;
    }();
    (void)written;
    layer_fuzz::WriteFile("TEMP/RELIEF.DAT", data, size);
    layer_fuzz::WriteFile("FUZZ-MAP-A.CSV", data, size);
    Plain(&OnSeisPlainMeshRelief, folder, 10, 0, 0);       // probabilistic relief
    Plain(&OnSeisPlainMeshRelief, folder, 10, 102, 0);     // scenario relief
    Plain(&OnSeisPlainMeshRelief, folder, 10, 101, 1);     // the input as scenario data
    Plain(&OnSeisPlainMesh, folder, 10010, 102, 1);        // and its value labels
    Plain(&OnSeisPlainMesh, folder, 10010, 0, 0);          // probabilistic value labels
    return 0;
}
