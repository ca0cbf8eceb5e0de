// The railway data file drawn as the program draws it: through OnDdPlainWholeCountry's railway
// row over mesh 5339, once with a fresh folder (the station file and the two caches are built
// from the input, which is also the sheet index) and once more reading the caches just built.
// The first byte chooses the item code.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int kItems[] = {0, 1, 100, 101, 10101};
    const int item = kItems[size > 0 ? data[0] % 5 : 0];
    for (const char* cache : {"RL_台帳.dat", "RL_属性.dat", "RL_駅.dat"})
        std::filesystem::remove(layer_fuzz::ScratchFolder() / cache);
    layer_fuzz::WriteFile("N02-railway.txt", data, size);
    layer_fuzz::WriteFile("BLCMAP20.IDX", data, size);
    const std::string folder = layer_fuzz::WindowsFolder();
    for (int pass = 0; pass < 2; ++pass) {
        vd::RecordingDc dc;
        OnDdPlainWholeCountry(&dc, item, 129600, 500400, 127200, 504000, 0, 0, 1, -1, 3, 4, 2, 700, 0.0f, 0.0f, 0.1f,
                              0.1f, "/鉄道/", "5339", "", "", folder + "N02-railway.txt", folder);
    }
    // The cache build shows its progress window; its queued expose events would pile up in
    // memory with no event loop to deliver them.
    QCoreApplication::processEvents();
    return 0;
}
