#include "app/shell/PrintSetup.h"

#include "platform/ui/PrinterQt.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinter>

namespace shell {

void RunPrintSetup()
{
    // The run's one printer, so the choices made here are used by the next print.
    QPageSetupDialog dialog(&vd::ui::applicationPrinter(), QApplication::activeWindow());
    dialog.exec();
}

} // namespace shell
