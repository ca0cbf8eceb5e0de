// The scripted print dialog and print preview: a PDF path stands for the user's choice of
// "print to file"; the preview's pages go into a PDF file the test turns into pictures.
#include "platform/ui/UiScript.h"

#include "platform/dc/PrinterDc.h"
#include "platform/dc/PrinterDcQt.h"
#include "platform/ui/PrinterQt.h"

#include <QPrinter>

namespace vd::ui {

void Script::answerPrintDialog(std::string pdfPath) { printAnswers_.push_back(std::move(pdfPath)); }

void Script::cancelPrintDialog() { printAnswers_.push_back(std::nullopt); }

void Script::answerPrintPreview(PrintPreviewAnswer answer) { previewAnswers_.push_back(std::move(answer)); }

std::unique_ptr<PrinterDc> Script::printDialog()
{
    ++printDialogs_;
    if (printAnswers_.empty())
        return nullptr;
    const std::optional<std::string> answer = printAnswers_.front();
    printAnswers_.pop_front();
    if (!answer)
        return nullptr;
    // As the real dialog does: the run's printer, set to print into the file.
    QPrinter& printer = applicationPrinter();
    printer.setOutputFileName(QString::fromStdString(*answer));
    return printerDcForChoice(printer);
}

void Script::printPreview(const std::function<bool(PrinterDc&)>& printDocument)
{
    ++previews_;
    if (previewAnswers_.empty())
        return;
    const PrintPreviewAnswer answer = previewAnswers_.front();
    previewAnswers_.pop_front();
    // The preview's pages on the run's paper, each paint replacing the last.
    for (int i = 0; i < answer.paints; ++i) {
        QPrinter pages(QPrinter::HighResolution);
        pages.setOutputFormat(QPrinter::PdfFormat);
        pages.setOutputFileName(QString::fromStdString(answer.pagesPdf));
        pages.setPageLayout(applicationPrinter().pageLayout());
        pages.setResolution(kPrintDpi);
        printDocument(*printerDcFor(&pages));
    }
    if (answer.printTo) {
        QPrinter& printer = applicationPrinter();
        printer.setOutputFileName(QString::fromStdString(*answer.printTo));
        if (std::unique_ptr<PrinterDc> dc = printerDcForChoice(printer))
            printDocument(*dc);
    }
}

} // namespace vd::ui
