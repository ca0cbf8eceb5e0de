// The layer-combination presets' files: the bytes as the preset list, as a preset file, and as
// the settings file whose names the preset dialog shows for a selection built from the bytes.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/presets/LayerPresetFiles.h"
#include "municipal/presets/LayerPresetNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string list = vd::fuzz::writeApplicationFile("Fuzz/LINKDATA/DdPreset.dat", data, size);
    if (const auto entries = surrick::ReadPresetList(list); entries && entries->size() > surrick::kMaxPresets)
        __builtin_trap();
    const std::string presetPath = vd::fuzz::writeApplicationFile("Fuzz/LINKDATA/P.pst", data, size);
    surrick::PresetSelection preset = surrick::ReadPresetFile(presetPath);
    for (const char* file : {"DddPFile.dat", "DddMFile.dat", "DDDSFILE.DAT", "DDMSFILE.DAT", "DDFTFILE.DAT",
                             "DDMCFILE.DAT"})
        vd::fuzz::writeApplicationFile(std::string("Fuzz/") + file, data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    // Every family takes part, with the bytes as its selection.
    const std::string bytes = vd::fuzz::bytesText(data, size);
    std::array<int, surrick::kFamilyCount> flags;
    flags.fill(1);
    preset.strings.fill(bytes);
    const auto lists = surrick::BuildPresetNameLists(folder, preset.strings, flags);
    (void)surrick::PresetListBoxLines(lists, flags);
    (void)surrick::PresetFlagsLine(preset.flags);
    return 0;
}
