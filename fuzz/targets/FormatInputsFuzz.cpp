// Fuzz target: the format viewer's flag text as the program passes it (over a fixed settings
// file) and the page name of a data path as a settings file gives it.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/format/FormatEntries.h"
#include "layers/settings/format/FormatPageName.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool written = [] {
        layer_fuzz::WriteText("DDDPFILE.DAT",
                              "T1_1=a\r\nF1_1=D:\\KSJ\\P01.TXT\r\nT2_5=b\r\nF2_5=D:\\KSJ\\(N03-11)\r\n");
        layer_fuzz::WriteText("DGEOFILE.DAT", "F1_1=D:\\G\\(S04-1)\r\nF1_2=D:\\G\\L04\r\nF1_3=D:\\G\\X)\r\n");
        return true;
    }();
    (void)written;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (CollectFormatEntries(text, layer_fuzz::WindowsFolder()).size() > kMaxFormatEntries)
        std::abort();
    if (FormatPageName(text).empty())
        std::abort();
    return 0;
}
