// SEISFILE.DAT and FLTFILE.DAT as Halvette reads them: the entries by number, the names for a
// list page, the quantity of an entry, and an append after whatever the list ends with.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "seismic/lists/SeismicDataList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int kind = size % 2;
    layer_fuzz::WriteFile(kind == 0 ? "SEISFILE.DAT" : "FLTFILE.DAT", data, size);
    const std::string folder = layer_fuzz::WindowsFolder();
    const auto names = seismic::ListSeismicDataNames(folder, kind);
    for (int i = -1; i <= int(names.size()) && i < 64; ++i)
        (void)seismic::GetSeismicDataEntry(folder, kind, i);
    (void)seismic::EnsureSeismicDataList(folder, kind);
    (void)seismic::AppendSeismicDataEntry(folder, kind, "名前", "z:\\data\\a_ps.csv");
    return 0;
}
