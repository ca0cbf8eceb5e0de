// The whole-country river data (W15-52L) as the program reads it: through OnDdPlainWholeCountry
// over mesh 5339, first as the published data file (Riverddd.dat is built from it, then drawn),
// then as RIVERDDD.DAT itself. The first byte chooses labels, class filter and colour.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int item = size > 0 ? 100 * (data[0] % 2) + 10 * (data[0] / 2 % 5) + data[0] / 10 % 10 : 1;
    const std::string folder = layer_fuzz::WindowsFolder();
    std::filesystem::remove(layer_fuzz::ScratchFolder() / "Riverddd.dat");
    layer_fuzz::WriteFile("W15-52L.txt", data, size);
    for (int pass = 0; pass < 2; ++pass) {
        vd::RecordingDc dc;
        OnDdPlainWholeCountry(&dc, item, 129600, 500400, 127200, 504000, pass, 0, 1, -1, 3, 0, 0, 700, 0.0f, 0.0f, 0.1f,
                              0.1f, "/河川/", "5339", "", "", folder + "W15-52L.txt", folder);
        layer_fuzz::WriteFile("Riverddd.dat", data, size);
    }
    // The cache build shows its progress window; its queued expose events would pile up in
    // memory with no event loop to deliver them.
    QCoreApplication::processEvents();
    return 0;
}
