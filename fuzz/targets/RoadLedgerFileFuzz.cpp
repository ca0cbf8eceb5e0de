// The road ledger (台.TXT), read as the program reads it: through OnDdRoadWhite with item code 0,
// which colours a few fixed roads of prefecture 13 by the classes the ledger gives.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

namespace {

std::string AllPrefectures()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

// Roads 13001, 70001 and 99999, each a short line inside mesh 5339.
const char* const kRoads = "L                                       13001 2\r\n5010000 1280000 5011000 1281000\r\n"
                           "L                                       70001 2\r\n5012000 1282000 5013000 1283000\r\n"
                           "L                                       99999 2\r\n5014000 1284000 5015000 1285000\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready =
        (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), layer_fuzz::WriteText("W05-07L-13.txt", kRoads), true);
    (void)ready;
    layer_fuzz::WriteFile("W05-07L-台.TXT", data, size);
    vd::RecordingDc dc;
    OnDdRoadWhite(&dc, 0, 0, 0, 1, 5339, 0, 0, 0, -1, 0, 0, 700, 0, 0, 0.2f, 0.2f, AllPrefectures(), "5339", "", "9",
                  layer_fuzz::WindowsFolder() + "(W05-07L-13.txt)", layer_fuzz::WindowsFolder());
    return 0;
}
