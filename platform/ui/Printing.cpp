// The print dialog and the print preview of the vd::ui seam: Qt's QPrintDialog and
// QPrintPreviewDialog around PrinterDc, on the run's one printer.
#include "platform/ui/PrinterQt.h"

#include "platform/dc/PrinterDc.h"
#include "platform/dc/PrinterDcQt.h"
#include "platform/fs/RegularFile.h"
#include "platform/ui/QtBackend.h"
#include "platform/ui/Ui.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <fcntl.h>
#include <unistd.h>

namespace vd::ui {

namespace {

// Whether a file can be written at the path, without changing a file that is there. A FIFO or a
// device there is refused without waiting for a reader.
bool canWrite(const std::string& path)
{
    const bool existed = QFileInfo::exists(QString::fromStdString(path));
    const int fd = openRegularFile(path, O_WRONLY | O_CREAT);
    if (fd < 0)
        return false;
    ::close(fd);
    if (!existed)
        ::unlink(path.c_str());
    return true;
}

} // namespace

QPrinter& applicationPrinter()
{
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setResolution(kPrintDpi);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPageOrientation(QPageLayout::Portrait);
        return p;
    }();
    return *printer;
}

std::unique_ptr<PrinterDc> printerDcForChoice(QPrinter& printer)
{
    const std::string file = printer.outputFileName().toStdString();
    if (!file.empty()) {
        // Printing to a file gives PDF.
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (!canWrite(file)) {
            AfxMessageBox("印刷先のファイル「" + file + "」に書き込めません。", MB_OK | MB_ICONEXCLAMATION);
            return nullptr;
        }
    } else if (!printer.isValid() || printer.printerName().isEmpty()) {
        AfxMessageBox("印刷できるプリンタがありません。", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    printer.setResolution(kPrintDpi);
    return printerDcFor(&printer);
}

std::unique_ptr<PrinterDc> Backend::printDialog() { return nullptr; }

void Backend::printPreview(const std::function<bool(PrinterDc&)>&) {}

std::unique_ptr<PrinterDc> QtBackend::printDialog()
{
    QPrinter& printer = applicationPrinter();
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printerDcForChoice(printer);
}

void QtBackend::printPreview(const std::function<bool(PrinterDc&)>& printDocument)
{
    QPrinter& printer = applicationPrinter();
    printer.setResolution(kPrintDpi);
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
        std::unique_ptr<PrinterDc> dc = printerDcFor(target);
        if (!printDocument(*dc))
            AfxMessageBox("印刷できませんでした。", MB_OK | MB_ICONEXCLAMATION);
    });
    preview.exec();
}

std::unique_ptr<PrinterDc> printDialog() { return backend().printDialog(); }

void printPreview(const std::function<bool(PrinterDc&)>& printDocument) { backend().printPreview(printDocument); }

} // namespace vd::ui
