#include "app/PrintSetup.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinter>

namespace shell {

void RunPrintSetup()
{
    // One printer for the run, so the choices made here stay for the next print.
    static QPrinter printer;
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    dialog.exec();
}

} // namespace shell
