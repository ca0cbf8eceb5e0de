// A third-order mesh file drawn as the program draws it: through OnDdPlainMesh (cell and value
// forms) and OnDdPlainMeshTavrel over mesh 5339 (whose Msh_prft.dat line names prefecture 13),
// for every mesh theme: as the per-prefecture file of the climate, designated-area, river-length
// and census themes and as the single file of the forest and coastal-sea themes. The first byte
// chooses the item and the detail level; the census class table reads columns 38-45 for group 0.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

namespace {

std::string AllPrefectures()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

std::string ClassSpec()
{
    std::string spec = "item/38/45/10#";
    for (int g = 1; g < 28; ++g)
        spec += "item/1/2000/0#";
    return spec;
}

constexpr int kModeCodes[] = {0, 10, 20, 100, 110, 200, 210, 220};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), true);
    (void)ready;
    const int choice = size > 0 ? data[0] : 0;
    const int detail = choice % 2 == 0 ? 3 : 2;
    layer_fuzz::WriteFile("MESHDATA13.txt", data, size);
    layer_fuzz::WriteFile("MESHDATA_13.txt", data, size);
    layer_fuzz::WriteFile("single.txt", data, size);
    const std::string folder = layer_fuzz::WindowsFolder();
    const std::string flags = "/" + AllPrefectures();
    for (int code : kModeCodes) {
        const bool single = code == 100 || code == 110;
        const std::string dataSet = single ? folder + "single.txt" : folder + "(MESHDATA.txt)";
        // Items beyond every table too: climate items run to 160.
        const int item = code == 0 ? choice % 170 : choice % 14;
        for (int method : {0, 1}) {
            vd::RecordingDc dc;
            OnDdPlainMesh(&dc, 0, 129600, 500400, 127200, 504000, method * 10000, 1, 1, -1, detail, code, 900, item,
                          700, 0, 0.0f, 0.0f, 0.3f, 0.3f, flags, "5339", "", "", dataSet, folder, ClassSpec());
        }
        vd::RecordingDc dc;
        OnDdPlainMeshTavrel(&dc, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, detail, code, 900, item, 700, 0.0f,
                            0.0f, 0.3f, 0.3f, flags, "5339", "", "", dataSet, folder, ClassSpec());
    }
    return 0;
}
