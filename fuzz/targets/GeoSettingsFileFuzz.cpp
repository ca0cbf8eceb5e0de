// DGEOFILE.DAT and the texts the program hands to the geology settings dialogs: the bytes become
// the settings file that a first call of each dialog reads (its rows shown, then rewritten after
// a file choice), and their first lines the state and selection texts of a later call.
#include "contracts/bindings/DovanneExports.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <QCoreApplication>

#include <array>
#include <filesystem>
#include <sstream>

namespace {

constexpr int kGeoSetDialog = 200;
constexpr int kNtrSetDialog = 210;
constexpr int kFileButton = 1004;
constexpr int kTabControl = 1006;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    static const std::shared_ptr<vd::ui::Script> script = vd::ui::Script::install();
    script->forgetRecords(); // one input's records only
    static auto* const geoSet = Dovanne().OnDlgGeoSet.fn;
    static auto* const ntrSet = Dovanne().OnDlgNtrSet.fn;
    if (!geoSet || !ntrSet)
        return 0;
    vd::fuzz::writeApplicationFile("DGEOFILE.DAT", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin();

    std::istringstream in(vd::fuzz::bytesText(data, size));
    std::array<std::string, 7> texts; // state, data, era, terrain, soil, rock, valley
    for (std::string& text : texts)
        std::getline(in, text);

    auto clickAll = [](vd::DialogDriver& d) {
        d.click(kFileButton);
        for (int tab = 0; tab < 4; ++tab)
            d.selectTab(kTabControl, tab);
        d.click(vd::IDOK);
    };
    for (const int dialog : {kGeoSetDialog, kNtrSetDialog}) {
        auto* run = dialog == kGeoSetDialog ? geoSet : ntrSet;
        script->answerFileDialog("D:\\GEO\\KS123456.txt");
        script->answerDialog("Dovanne", dialog, clickAll);
        run(folder, "-1", "/", "", "", "", "", "0");
        script->answerDialog("Dovanne", dialog, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
        run(folder, texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]);
    }
    // The dialogs' expose events and deferred deletes would pile up with no event loop to
    // deliver them: each input's are delivered before the next.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
