// Fuzz target: PLTTFILE.DAT and a colour set, read as the colour-set dialog and the elevation
// legend read them: the list's entries, each set's rows and their ramp, and the set written back
// under a listed name.
#include "dialogs/files/ColourSetFile.h"
#include "dialogs/files/PaletteListFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "graphics/ColourSet.h"
#include "graphics/TintRamp.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vd::fuzz::initialise();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/PLTTFILE.DAT", data, size);
    const auto sets = ReadPaletteList(path);
    const std::vector<TintRow> rows = ReadColourSetRows(path);
    const TintRamp ramp = InterpolateTintRamp(rows);
    ColourSetColours colours{};
    for (int k = 0; k < kColourSetClassCount; ++k) {
        const int i = kColourSetClasses[k].rampIndex;
        colours[k] = std::uint32_t(ramp.red[i]) | std::uint32_t(ramp.green[i]) << 8 | std::uint32_t(ramp.blue[i]) << 16;
    }
    if (sets && !sets->empty())
        FormatColourSetLines(sets->front().name, sets->front().file, colours);
    return 0;
}
