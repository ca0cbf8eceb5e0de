// The program's entry: one Qt application, numbers in the "C" locale whatever the user's is.
#include <QApplication>
#include <QMainWindow>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt sets the locale from the environment; the system's number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Veldoran"));
    frame.show();
    return app.exec();
}
