// The place-name search conditions as the program hands them to the dialog library: the input's
// lines are the government code, the contained text and the previous search ("path|name|name|
// name"); the dialog opens on them for each search kind and is answered with OK, so the answer
// carries them back.
#include "contracts/bindings/TovendlgExports.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <QCoreApplication>

#include <array>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    static const std::shared_ptr<vd::ui::Script> script = vd::ui::Script::install();
    script->forgetRecords(); // one input's records only
    static auto* const retrieve = Tovendlg().OnGnpfRetrieveSet.fn;
    if (!retrieve)
        return 0;
    std::istringstream in(vd::fuzz::bytesText(data, size));
    std::array<std::string, 3> texts;
    for (std::string& text : texts)
        std::getline(in, text);
    for (const int kind : {0, 1}) {
        script->answerDialog("TOVENDLG", 170, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
        retrieve(kind == 0 ? 111 : 212, 1, 2, 0, kind, 1, 2, 3, 13, texts[0], texts[1], texts[2]);
    }
    // The dialogs' expose events and deferred deletes would pile up with no event loop to
    // deliver them: each input's are delivered before the next.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
