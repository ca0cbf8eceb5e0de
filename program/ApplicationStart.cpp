#include "program/ApplicationStart.h"

#include "app/TerminationSignals.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/QtTranslations.h"
#include "program/VeldoranApp.h"

#include <QApplication>

#include <clocale>

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; the system's number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    vd::ui::installQtJapanese();

    // From the first moment a termination signal closes the frame the normal way, once the
    // handler that runs has returned, so the objects of the run are destroyed in order (the
    // document writes its settings then). One that comes before the frame exists closes it as
    // soon as it does.
    CVeldoranApp* running = nullptr;
    bool endRequested = false;
    TerminationSignals terminationSignals([&] {
        if (running && running->m_pMainWnd)
            running->m_pMainWnd->RequestClose();
        else
            endRequested = true;
    });

    // Created and seeded before anything reads from it.
    vd::applicationFolder();

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
