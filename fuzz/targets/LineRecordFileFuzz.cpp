// A prefecture's river line file, drawn as the program draws it: through OnDdRiverWhite over the
// single mesh 5339, whose Msh_prft.dat line names prefecture 13.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), true);
    (void)ready;
    layer_fuzz::WriteFile("W05-07L-13.txt", data, size);
    vd::RecordingDc dc;
    OnDdRiverWhite(&dc, 1, 0, 0, 1, 5339, 0, 0, 0, -1, 0, 0, 700, 0, 0, 0.2f, 0.2f, AllPrefectures(), "5339", "河川", "9",
                   layer_fuzz::WindowsFolder() + "(W05-07L-13.txt)", layer_fuzz::WindowsFolder());
    return 0;
}
