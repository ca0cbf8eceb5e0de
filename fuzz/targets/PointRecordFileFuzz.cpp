// A national-land point file drawn as the program draws it: through OnDdPointWhite over the
// single mesh 5339 (whose Msh_prft.dat line names prefecture 13), once for every point mode
// code, as the per-prefecture file of the per-mesh themes and as the whole-country file of the
// others. The first byte chooses the label selector and the year index.
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

constexpr int kModeCodes[] = {0,   10,  20,  30,  40,  100, 110, 120, 130, 140, 200,
                              300, 400, 410, 420, 430, 440, 500, 510, 520, 530};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), true);
    (void)ready;
    const int selector = size > 0 ? data[0] % 16 : 0;
    const int item = size > 0 ? 10000 + 100 * 7 + data[0] % 24 : 7;
    layer_fuzz::WriteFile("P99-13P-13.txt", data, size);
    layer_fuzz::WriteFile("whole.txt", data, size);
    const std::string folder = layer_fuzz::WindowsFolder();
    for (int code : kModeCodes) {
        const bool perMesh = code == 0 || code == 20 || (code >= 110 && code <= 130) || code >= 500;
        vd::RecordingDc dc;
        // Detail 3 writes every label; a third of the selector range packs a column range.
        OnDdPointWhite(&dc, item, 999, 0, 1, -1, 3, code, selector % 3, selector < 10 ? selector : 130150, 700, 0.0f,
                       0.0f, 0.3f, 0.3f, "", "5339", "点", "1=" + AllPrefectures(),
                       perMesh ? folder + "(P99-13P-13.txt)" : folder + "whole.txt", folder);
    }
    return 0;
}
