// Fuzz target: DddMFile.dat as the line-data dialog reads it when the program holds no settings
// ("-1"): the T, F and C rows of tabs 1 to 7 over the caller's texts, then the answer and the
// rewrite made from what was read.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/linedata/LineDataAnswer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DddMFile.dat", data, size);
    LineDataTexts name, file;
    LineDataInts show{}, colour{};
    name[SlotEntry(1, 1)] = "道路";
    if (!ReadLineDataSettingsFile(layer_fuzz::WindowsFolder() + "DddMFile.dat", name, file, colour))
        return 0;
    FormatLineDataAnswer(0, show, colour, name, file);
    WriteLineDataSettingsFile(layer_fuzz::WindowsFolder() + "Rewritten.dat", name, file, colour);
    return 0;
}
