// The layer settings files (DddMFile.dat and its family) and the bar-delimited answers of the
// settings dialogs: the bytes become a settings file that Pelmora's OnDddFileEdit finds (it
// writes only the defaults that are missing) and the row reader reads, and the answer texts.
#include "contracts/pelmora.h"
#include "fuzz/support/FuzzScratch.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    std::error_code ignored;
    std::filesystem::remove_all(vd::fuzz::scratchFolder() / "home" / "veldoran" / "FuzzLayers", ignored);
    const std::string path = vd::fuzz::writeApplicationFile("FuzzLayers/DddMFile.dat", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "FuzzLayers\\";

    OnDddFileEdit(path, folder, 0);
    LayerSettingsTable table(9, 9);
    ReadLayerSettingsFile(path, "TFCPN", table);
    LayerSettingsTable uneven(std::vector<int>{1, 12, 3});
    ReadLayerSettingsFile(path, "TF", uneven);
    WriteLayerSettingsFile(folder + "DddCopy.dat", "TFCPN", table);

    const std::string text = vd::fuzz::bytesText(data, size);
    BarDelimitedReader reader(text);
    for (int i = 0; i < 8; ++i) {
        reader.nextInt();
        reader.nextText();
    }
    for (const int count : {0, 1, 7, 40})
        ParseIntegerSettingsInput(text, count);
    return 0;
}
