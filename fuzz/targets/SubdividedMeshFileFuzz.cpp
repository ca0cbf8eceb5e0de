// A 1/10 subdivided mesh file and TEMP\RELIEF.DAT drawn as the program draws them: the input is
// the per-prefecture file of mesh 5339 (prefecture 13) for land use, designated areas and basins
// through OnDdPlnF10Mesh, plain and over the relief, and at the same time the relief grid; the
// third-order relief forms read it through OnDdPlainMeshRelief. The first byte chooses the item,
// the flag text and the detail level.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <filesystem>

namespace {

std::string AllPrefectures()
{
    std::string flags = "/1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

constexpr const char* kFlagTexts[] = {"100000000000", "010000000001", "0001", ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"),
                               std::filesystem::create_directories(layer_fuzz::ScratchFolder() / "TEMP"), true);
    (void)ready;
    const int choice = size > 0 ? data[0] : 0;
    const int detail = choice % 2 == 0 ? 3 : 2;
    const std::string flagText = kFlagTexts[(choice / 2) % 4];
    layer_fuzz::WriteFile("l03-62m_13.txt", data, size);
    layer_fuzz::WriteFile("MESHDATA13.txt", data, size);
    layer_fuzz::WriteFile("TEMP/RELIEF.DAT", data, size);
    const std::string folder = layer_fuzz::WindowsFolder();
    for (int code : {0, 10, 20}) {
        for (int relief : {5, 6}) {
            vd::RecordingDc dc;
            OnDdPlnF10Mesh(&dc, relief, 129600, 500400, 127200, 504000, 0, 1, 1, 10001, detail, code, 900,
                           choice % 13, 700, 0, 0.0f, 0.0f, 0.3f, 0.3f, AllPrefectures(), "5339", "", "",
                           folder + "(l03-62m_)", folder, flagText);
        }
        vd::RecordingDc dc;
        OnDdPlainMeshRelief(&dc, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, detail, code, 900, choice % 14, 700,
                            0, 0.0f, 0.0f, 0.3f, 0.3f, AllPrefectures(), "5339", "", "", folder + "(MESHDATA.txt)",
                            folder, "");
    }
    return 0;
}
