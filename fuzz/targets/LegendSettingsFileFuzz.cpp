// Fuzz target: the input as DddMFile.dat, DddSFile.dat and DDDPFILE.DAT as the legend reads them,
// with every row of every section switched on, painted into a small recording device.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/legend/LegendPainter.h"
#include "platform/dc/RecordingDc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* name : {"DddMFile.dat", "DddSFile.dat", "DDDPFILE.DAT"})
        layer_fuzz::WriteFile(name, data, size);
    LegendFlags flags;
    flags.line.fill(1);
    flags.surface.fill(1);
    flags.point.fill(1);
    flags.year = size > 0 ? data[0] - 128 : 0;
    // Recorded only: drawing text into a picture would need the toolkit's fonts.
    vd::RecordingDc dc;
    PaintLegendArea(dc, flags, layer_fuzz::WindowsFolder());
    return 0;
}
