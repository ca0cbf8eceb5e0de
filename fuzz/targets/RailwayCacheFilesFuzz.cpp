// The railway layer's cache files as the layer reads them: the input stands as RL_台帳.dat,
// RL_属性.dat and RL_駅.dat beside an empty railway data file, drawn through
// OnDdPlainWholeCountry's railway row with class colours and station names.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* cache : {"RL_台帳.dat", "RL_属性.dat", "RL_駅.dat"})
        layer_fuzz::WriteFile(cache, data, size);
    layer_fuzz::WriteText("N02-railway.txt", "L  533900000007                               2\r\n"
                                             "5010000 1280000 5015000 1282000\r\n");
    const std::string folder = layer_fuzz::WindowsFolder();
    vd::RecordingDc dc;
    OnDdPlainWholeCountry(&dc, 1, 129600, 500400, 127200, 504000, 0, 0, 1, -1, 3, 4, 2, 700, 0.0f, 0.0f, 0.1f, 0.1f,
                          "/鉄道/", "5339", "", "", folder + "N02-railway.txt", folder);
    return 0;
}
