// The whole-country "C" line data sets as the program reads them: through OnDdPlainWholeCountry
// over mesh 5339, first as the published data file (its ledger, or for C32-59L its three parts
// and their ledgers, are built from it, then drawn), then as the ledger itself. The first byte
// chooses the data set, the item code (label option and colour) and the view's width.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <QCoreApplication>

#include <array>

namespace {

struct DataSet {
    const char* file;
    const char* ledger;
};
constexpr std::array<DataSet, 6> kDataSets{{{"c22-59l.txt", "台帳c22.dat"},
                                            {"c32-59l.txt", "台帳c32a.dat"},
                                            {"c43-60l.txt", "台帳c43.dat"},
                                            {"c14-59l.txt", "台帳c14.dat"},
                                            {"c26-59l.txt", "台帳c26.dat"},
                                            {"c12-59l.txt", "台帳c12.dat"}}};

void ClearFolder()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(layer_fuzz::ScratchFolder(), error))
        std::filesystem::remove_all(entry.path(), error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int choice = size > 0 ? data[0] : 0;
    const DataSet& set = kDataSets[std::size_t(choice % kDataSets.size())];
    const int item = 100 * (choice / 6 % 5) + choice / 30 % 22;
    const int west = choice % 2 == 0 ? 500400 : 468000;
    const std::string folder = layer_fuzz::WindowsFolder();
    ClearFolder();
    layer_fuzz::WriteFile(set.file, data, size);
    for (int pass = 0; pass < 2; ++pass) {
        vd::RecordingDc dc;
        OnDdPlainWholeCountry(&dc, item, 129600, west, 127200, 504000, pass, 0, 1, -1, 3, 0, 0, 700, 0.0f, 0.0f, 0.1f,
                              0.1f, "/線/", "5339", "", "", folder + set.file, folder);
        layer_fuzz::WriteFile(set.ledger, data, size);
    }
    // The cache build shows its progress window; its queued expose events would pile up in
    // memory with no event loop to deliver them.
    QCoreApplication::processEvents();
    return 0;
}
