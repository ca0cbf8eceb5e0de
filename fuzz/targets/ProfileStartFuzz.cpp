// The profile at start: the bytes become the settings file (the user's to edit), then the program
// starts as it does every run: the document reads the profile, the frame builds the map view, the
// first repaints restore and draw the last map, and closing writes the profile back.
#include "app/document/VeldoranDoc.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/UiScript.h"
#include "view/window/VeldoranView.h"

#include <QCoreApplication>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    std::ofstream(std::getenv("VELDORAN_PROFILE"), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // Read as a new run reads it (the store keeps a file it has read for the process).
    vd::ProfileStore::rereadFiles();
    // Message boxes and dialogs are answered with their defaults; nothing waits for a user.
    const auto script = vd::ui::Script::install();

    auto doc = std::make_unique<CVeldoranDoc>();
    {
        vd::FrameWindow frame;
        vd::CreateContext context;
        context.makeView = [&] { return std::make_unique<CVeldoranView>(*doc); };
        context.document = doc.get();
        if (frame.LoadFrame(9501, &context)) {
            if (auto* view = static_cast<CVeldoranView*>(frame.GetActiveView())) {
                view->MoveWindow(0, 0, kWidth, kHeight, false);
                vd::ImageDc picture(kWidth, kHeight);
                view->OnDraw(picture);
                // What the repaint posted (the release of replaced buttons) arrives, as in the
                // program's event loop.
                QCoreApplication::processEvents();
                view->OnDraw(picture);
                QCoreApplication::processEvents();
            }
        }
    }
    doc.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
