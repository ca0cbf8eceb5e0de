// A comma-separated land-price file (data set year 14 and later) drawn as the program draws it:
// through OnDdPointWhite with the 土地A theme over the single mesh 5339, whose Msh_prft.dat line
// names prefecture 13. The first byte chooses the label selector and the year index (also one
// outside the 20 years).
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), true);
    (void)ready;
    const int selector = size > 0 ? data[0] % 12 : 0;
    const int year = size > 0 ? data[0] / 12 % 22 : 0;
    layer_fuzz::WriteFile("L01-14P-13.txt", data, size);
    vd::RecordingDc dc;
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    OnDdPointWhite(&dc, 10000 + 700 + year, 999, 0, 1, -1, 3, 500, 0, selector, 700, 0.0f, 0.0f, 0.3f, 0.3f, "", "5339",
                   "土地A", "1=" + flags, layer_fuzz::WindowsFolder() + "(L01-14P-13.txt)",
                   layer_fuzz::WindowsFolder());
    return 0;
}
