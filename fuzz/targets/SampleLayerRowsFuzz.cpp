// KSJ\SAMPLE.DAT as the document reads it when it writes new settings files at start: its rows
// installed into a small settings file (rewritten each run, so every input starts alike).
#include "app/layers/SampleLayerRows.h"
#include "fuzz/targets/LayerFuzzFolder.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::filesystem::create_directories(layer_fuzz::ScratchFolder() / "KSJ");
    layer_fuzz::WriteFile("KSJ/SAMPLE.DAT", data, size);
    layer_fuzz::WriteText("DddMFile.dat", "T1_1=\r\nT1_2=\r\nF1_2=\r\nC1_2=0\r\n");
    layer_fuzz::WriteText("DddPFile.dat", "T1_1=\r\nF1_1=\r\n");
    InstallSampleLayerRows(layer_fuzz::WindowsFolder(), "DddMFile.dat");
    InstallSampleLayerRows(layer_fuzz::WindowsFolder(), "DddPFile.dat");
    return 0;
}
