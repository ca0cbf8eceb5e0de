// A name typed into the registration dialog, made safe and appended to a list: whatever was
// typed, the list gains exactly one entry, with that name.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/text/Cp932.h"
#include "seismic/lists/SeismicDataList.h"
#include "seismic/lists/SeismicEntryName.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const std::string name = seismic::SeismicEntryName(typed);
    const std::string folder = layer_fuzz::WindowsFolder();
    layer_fuzz::WriteText("FLTFILE.DAT", ";header\r\n");
    if (name.empty() || !seismic::AppendSeismicDataEntry(folder, 1, name, "z:\\f\\s.csv"))
        return 0;
    // The list holds CP932; what it cannot hold reads back as "?" or U+FFFD, which is not the fault
    // looked for here.
    const auto names = seismic::ListSeismicDataNames(folder, 1);
    if (names.size() != 1)
        std::abort();
    if (vd::cp932ToUtf8(vd::utf8ToCp932(name)) == name && names[0] != name)
        std::abort();
    return 0;
}
