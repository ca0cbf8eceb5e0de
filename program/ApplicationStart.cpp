#include "program/ApplicationStart.h"

#include "app/shell/ProfileWriteFailures.h"
#include "app/shell/TerminationSignals.h"
#include "platform/fs/FileSink.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/QtTranslations.h"
#include "program/VeldoranApp.h"

#include <QApplication>
#include <QWidget>

#include <clocale>
#include <csignal>

namespace {

// Closes a message box shown while the run starts or ends (a profile that could not be written):
// the end asked for waits for nobody's answer.
void DismissMessage()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

} // namespace

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; the system's number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    vd::ui::installQtJapanese();

    // From the first moment a termination signal closes the frame the normal way, once the
    // handler that runs has returned, so the objects of the run are destroyed in order (the
    // document writes its settings then). One that comes before the frame exists closes a
    // message of the start-up and then the frame as soon as it is built.
    CVeldoranApp* running = nullptr;
    bool endRequested = false;
    TerminationSignals terminationSignals([&] {
        if (running && running->m_pMainWnd) {
            running->m_pMainWnd->RequestClose();
            return;
        }
        if (!running)
            endRequested = true;
        DismissMessage();
    });
    // A file-size limit makes a write fail (and be told) instead of killing the program mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
    TellFailedProfileWrites();

    // Created and seeded before anything reads from it; what a killed save left there goes.
    vd::applicationFolder();
    vd::removeLeftReplacements(vd::applicationFolderPath().string());

    // The document, then the frame with its view.
    CVeldoranApp veldoran;
    if (!veldoran.InitInstance())
        return 1;
    running = &veldoran;
    if (endRequested && veldoran.m_pMainWnd)
        veldoran.m_pMainWnd->RequestClose();
    // Runs until the frame is closed, then releases the frame (and its view) and the document.
    return veldoran.Run();
}
