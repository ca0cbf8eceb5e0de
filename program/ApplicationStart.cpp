#include "program/ApplicationStart.h"

#include "app/TerminationSignals.h"
#include "platform/sys/ApplicationFolder.h"
#include "program/VeldoranApp.h"

#include <QApplication>

#include <clocale>

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; the system's number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    // Created and seeded before anything reads from it.
    vd::applicationFolder();

    // The document, then the frame with its view.
    CVeldoranApp veldoran;
    if (!veldoran.InitInstance())
        return 1;

    // From here on a termination signal closes the windows and leaves the event loop, so the
    // objects of the run are destroyed the normal way (the document writes its settings then).
    TerminationSignals terminationSignals([] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    // Runs until the frame is closed, then releases the frame (and its view) and the document.
    return veldoran.Run();
}
