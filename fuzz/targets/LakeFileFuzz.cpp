// The 1/10 lake data file drawn as the program draws it: OnDdPlnF10Mesh with the lake theme in
// each label mode, which first builds 湖沼ｺｰﾄﾞ.dat from the input (removed before each run so every
// input is built) and then reads it for the labels.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("w09-lakes.txt", data, size);
    std::filesystem::remove(layer_fuzz::ScratchFolder() / "w0湖沼ｺｰﾄﾞ.dat");
    const std::string folder = layer_fuzz::WindowsFolder();
    const int detail = size > 0 && data[0] % 2 == 0 ? 3 : 2;
    for (int labelMode = 0; labelMode <= 4; ++labelMode) {
        vd::RecordingDc dc;
        OnDdPlnF10Mesh(&dc, 5, 129600, 500400, 127200, 504000, 0, 1, 1, 10001, detail, 30, 900, labelMode, 700, 0,
                       0.0f, 0.0f, 0.3f, 0.3f, "", "5339", "", "", folder + "w09-lakes.txt", folder, "");
    }
    return 0;
}
