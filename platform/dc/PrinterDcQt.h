#pragma once
// Private (Qt): a PrinterDc on a printer that Qt's print or preview dialog owns.
#include "platform/dc/PrinterDc.h"

class QPrinter;

namespace vd {

std::unique_ptr<PrinterDc> printerDcFor(QPrinter* printer);

} // namespace vd
