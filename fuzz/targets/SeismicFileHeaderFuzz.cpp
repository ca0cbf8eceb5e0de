// The data-file header as dialog 134 builds it: the input split into a list line and a data file,
// both written where the dialog reads them, then shown for each kind.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "seismic/settings/SeismicFileHeader.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first line names the entry (its path is replaced by the scratch data file), the rest is
    // the data file itself.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string name = input.substr(0, newline == std::string::npos ? 0 : newline);
    const std::string body = newline == std::string::npos ? input : input.substr(newline + 1);
    const std::string folder = layer_fuzz::WindowsFolder();
    const std::string entry = name.substr(0, name.find_first_of("\r=")) + "=" + folder + "HEADER.CSV\r\n";
    layer_fuzz::WriteText("SEISFILE.DAT", entry);
    layer_fuzz::WriteText("FLTFILE.DAT", entry);
    layer_fuzz::WriteText("HEADER.CSV", body);
    for (int kind = 0; kind < 2; ++kind)
        (void)seismic::SeismicFileHeaderText(folder, kind, 0);
    return 0;
}
