// The scenario hazard files as the white map reads them, through the library's own entry point
// into a small picture: the input is drawn as a plain data file, a list-form data file and a
// subduction data file (its degree index built from it), each with the input as its fault file
// too (plain with asperities, subduction depth lines, the first numbered fault file), and once as
// the degree index of a small valid subduction file.
#include "contracts/halvette.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/ImageDc.h"

#include <filesystem>

namespace {

constexpr int kScenarioFaultAsperity = 10000 + 100 + 10 + 1; // surface velocity

void Draw(const std::string& folder, int entry)
{
    vd::ImageDc dc(96, 96);
    OnSeisWhiteMesh(&dc, 0, 999, 1, 1, 0, 2, kScenarioFaultAsperity, 1024, entry, 700, 0.f, 0.f, 0.1f, 0.1f, "",
                    "5339", "1", folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string folder = layer_fuzz::WindowsFolder();
    static const bool listed = [&] {
        std::string list;
        for (const char* name : {"FUZZ-MAP-A", "FUZZ_SLIST-MAP-A", "FUZZ-MAP-S_K", "FUZZ-MAP-S_A", "VALID-MAP-S_K"})
            list += std::string(name) + "=" + folder + name + ".CSV\r\n";
        layer_fuzz::WriteText("FLTFILE.DAT", list);
        std::string valid = "# valid\r\n138\r\n139\r\n140\r\n141\r\n# DATA\r\n# XPO\r\n";
        for (double lon : {138.5, 139.5, 140.5})
            for (int i = 0; i < 12; ++i) {
                char line[96];
                std::snprintf(line, sizeof line, "%3d,%3d,%12.6f,%11.6f,%4.1f,%4.1f,%8.2f,%4.1f,%4.1f,%8.2f,%4.2f  \r\n",
                              1, 2, lon, 35.5 + i * 0.01, 0.0, 0.0, 75.0, 0.0, 0.0, 131.0, 6.05);
                valid += line;
            }
        layer_fuzz::WriteText("VALID-MAP-S_K.CSV", valid);
        return true;
    }();
    (void)listed;
    for (const char* name : {"FUZZ-MAP-A.CSV", "FUZZ-FAULT-A.CSV", "FUZZ_SLIST-MAP-A.CSV", "FUZZ_SLIST-FAULT-A.CSV",
                             "FUZZ-MAP-S_K.CSV", "FUZZ-FAULT-S_K.CSV", "FUZZ-MAP-S_A.CSV", "FUZZ-FAULT-S_A_F1.CSV",
                             "VALID-MAP-S_K.hdr"})
        layer_fuzz::WriteFile(name, data, size);
    std::filesystem::remove(layer_fuzz::ScratchFolder() / "FUZZ-MAP-S_K.hdr");
    for (int entry = 0; entry < 5; ++entry)
        Draw(folder, entry);
    return 0;
}
