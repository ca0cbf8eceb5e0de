// Fuzz target: PLTTFILE.DAT and a colour set, read as the colour-set dialog and the elevation
// legend read them: the list's entries, each set's rows and their ramp, and the set written back
// under a listed name.
#include "dialogs/files/ColourSetFile.h"
#include "dialogs/files/PaletteListFile.h"
#include "graphics/ColourSet.h"
#include "graphics/TintRamp.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The input as a file of this process (the readers open files by path), removed at exit.
struct InputFile {
    std::string path = "/tmp/vd-PaletteListFuzz-" + std::to_string(getpid()) + ".dat";
    ~InputFile() { std::remove(path.c_str()); }
};

std::string WriteInput(const uint8_t* data, size_t size)
{
    static const InputFile file;
    if (FILE* f = std::fopen(file.path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return file.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInput(data, size);
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
