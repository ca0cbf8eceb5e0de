#pragma once
// Private (Qt): the one printer of the run, which print setup, the print dialog and the preview
// share, so the printer and paper chosen in one are used by the others.
#include <memory>

class QPrinter;

namespace vd {
class PrinterDc;
}

namespace vd::ui {

// Pages are printed at this resolution: the layouts are in printer pixels of 600 dots an inch.
inline constexpr int kPrintDpi = 600;

// A4 portrait at kPrintDpi until print setup or the print dialog changes it.
QPrinter& applicationPrinter();

// A device context on the printer as the print dialog left it; null, after telling the user,
// when there is no printer and no PDF file that can be written.
std::unique_ptr<PrinterDc> printerDcForChoice(QPrinter& printer);

} // namespace vd::ui
