// Fuzz target: the legend's flag text as the program passes it, over fixed settings files,
// painted into a small recording device.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/legend/LegendPainter.h"
#include "platform/dc/RecordingDc.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool written = [] {
        layer_fuzz::WriteText("DddMFile.dat",
                              "T1_1=road\r\nC1_1=0\r\nT3_5=rail\r\nC3_5=1\r\nT5_5=river\r\nC5_5=142\r\n");
        layer_fuzz::WriteText("DddSFile.dat", "T1_5=basin\r\nC1_5=15\r\nT2_1=city\r\nC2_1=105\r\n");
        layer_fuzz::WriteText("DDDPFILE.DAT", "T4_1=price\r\nC4_1=7\r\nN4_1=5\r\nT6_1=price\r\nN6_1=1\r\n");
        return true;
    }();
    (void)written;
    const LegendFlags flags = ParseLegendFlags(std::string_view(reinterpret_cast<const char*>(data), size));
    // Recorded only: drawing text into a picture would need the toolkit's fonts.
    vd::RecordingDc dc;
    PaintLegendArea(dc, flags, layer_fuzz::WindowsFolder());
    return 0;
}
