// A probabilistic hazard mesh file and its seek index as the white map reads them: the input is
// drawn once as the data file (the index built from it) and once as the index of a small valid
// data file, through the library's own entry point into a small picture.
#include "contracts/halvette.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/ImageDc.h"

#include <filesystem>

namespace {

void Draw(const std::string& folder)
{
    vd::ImageDc dc(96, 96);
    OnSeisWhiteMesh(&dc, 0, 999, 1, 2, 0, 2, 0, 1024, 0, 700, 0.f, 0.f, 0.1f, 0.1f, "", "5339", "9", folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string folder = layer_fuzz::WindowsFolder();
    layer_fuzz::WriteText("SEISFILE.DAT", "fuzz=" + folder + "FUZZ_PS.CSV\r\nvalid=" + folder + "VALID_SV.CSV\r\n");
    std::filesystem::remove(layer_fuzz::ScratchFolder() / "FUZZ_PS.hdr");
    layer_fuzz::WriteFile("FUZZ_PS.CSV", data, size);
    Draw(folder);

    layer_fuzz::WriteText("SEISFILE.DAT", "valid=" + folder + "VALID_SV.CSV\r\n");
    static const std::string valid = [] {
        std::string text;
        for (const char* code : {"53380000", "53390000", "53394567", "53400000", "54380000"})
            text += std::string(code) + ",  135.0000,   35.0000,    0.0000,    0.0000,  75.000000\r\n";
        return text;
    }();
    layer_fuzz::WriteText("VALID_SV.CSV", valid);
    layer_fuzz::WriteFile("VALID_SV.hdr", data, size);
    Draw(folder);
    return 0;
}
