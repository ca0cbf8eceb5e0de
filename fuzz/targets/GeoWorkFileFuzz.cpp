// The geology work files read back by the composition table and the legend list: the bytes
// become TEMP\Geofile.DAT, TEMP\GeoWmap.dat and TEMP\GeoBlck.dat, and both exports read them as
// the program calls them (the table on a RecordingDc, the list box answered with OK).
#include "contracts/bindings/DovanneExports.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/RecordingDc.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    static const std::shared_ptr<vd::ui::Script> script = vd::ui::Script::install();
    script->forgetRecords(); // one input's records only
    static auto* const table = Dovanne().OnG4LegendTable.fn;
    static auto* const legend = Dovanne().OnD4GeologyLegend.fn;
    if (!table || !legend)
        return 0;
    for (const char* name : {"TEMP/Geofile.DAT", "TEMP/GeoWmap.dat", "TEMP/GeoBlck.dat"})
        vd::fuzz::writeApplicationFile(name, data, size);
    const std::string folder = vd::fuzz::applicationFolderWin();
    for (const int workFile : {0, 1}) {
        vd::RecordingDc dc;
        table(&dc, 1, 0, 2, 240, workFile, 0, 0, 900, 0, 700, 10, 10, 10, 10, "", "", "", "", "", folder, "");
    }
    const int calls[][3] = {{2, 0, 2}, {1, 1, 2}, {-1, 0, 2}, {-3, 0, 1}, {-2, 1, 2}, {0, 2, 2}};
    for (const auto& c : calls) {
        script->answerDialog("Dovanne", 220, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
        legend(240, c[0], c[1], c[2], folder);
    }
    // The dialogs' expose events and deferred deletes would pile up with no event loop to
    // deliver them: each input's are delivered before the next.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
