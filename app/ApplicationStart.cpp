#include "app/ApplicationStart.h"

#include "app/TerminationSignals.h"
#include "platform/sys/ApplicationFolder.h"

#include <QApplication>
#include <QMainWindow>

#include <clocale>

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; the system's number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    // Created and seeded before anything reads from it.
    vd::applicationFolder();

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Veldoran"));
    frame.show();

    // From here on a termination signal closes the windows and leaves the event loop, so the
    // objects of the run are destroyed the normal way (the document writes its settings then).
    TerminationSignals terminationSignals([] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    return app.exec();
}
