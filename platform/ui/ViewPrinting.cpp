// The framework's print and print-preview commands of a view. Qt's dialogs stand behind the
// vd::ui seam; the document is one page (the view sets no page count).
#include "platform/ui/View.h"

#include "platform/dc/PrinterDc.h"
#include "platform/ui/Ui.h"

namespace vd {

void View::OnFilePrint()
{
    printer_.reset();
    if (!OnPreparePrinting() || !printer_)
        return;
    const std::shared_ptr<PrinterDc> printer = std::move(printer_);
    OnBeginPrinting();
    const bool printed = PrintDocument(*printer);
    OnEndPrinting();
    if (!printed)
        ui::AfxMessageBox("印刷できませんでした。プリンタまたは出力先を確認してください。", MB_OK | MB_ICONEXCLAMATION);
}

void View::OnFilePrintPreview()
{
    OnBeginPrinting();
    ui::printPreview([this](PrinterDc& printer) { return PrintDocument(printer); });
    OnEndPrinting();
}

bool View::OnPreparePrinting() { return DoPreparePrinting(); }

bool View::DoPreparePrinting()
{
    printer_ = ui::printDialog();
    return printer_ != nullptr;
}

void View::OnBeginPrinting() {}

void View::OnPrint(Dc& printer) { OnDraw(printer); }

void View::OnEndPrinting() {}

bool View::PrintDocument(PrinterDc& printer)
{
    if (printer.StartDoc(ui::applicationTitle()) < 0)
        return false;
    bool printed = printer.StartPage() >= 0;
    if (printed) {
        OnPrint(printer);
        printed = printer.EndPage() >= 0;
    }
    return printer.EndDoc() >= 0 && printed;
}

} // namespace vd
