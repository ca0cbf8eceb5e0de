#pragma once
// A device context on a printer (or a PDF file): every call is drawn by QPainter in the printer's
// pixels. Raster operations that a printer cannot do degrade to copying; there are no pixels to
// read back. Print and print preview wrap the printer of Qt's dialogs (platform/dc/PrinterDcQt.h).
#include "platform/dc/Dc.h"

#include <memory>
#include <string>

namespace vd {

class PrinterDc : public Dc {
public:
    // A PDF file at a Linux path: A4 portrait at the given resolution (pixels an inch).
    static std::unique_ptr<PrinterDc> ForPdf(const std::string& path, int dpi = 600);
    ~PrinterDc() override;

    // The document and its pages; drawing outside a page opens one.
    int StartDoc(const std::string& title);
    int StartPage();
    int EndPage();
    int EndDoc();

    int GetDeviceCaps(int index) const override;

    struct Private;
    explicit PrinterDc(std::unique_ptr<Private> d);

protected:
    bool execute(const DrawOp& op) override;

private:
    std::unique_ptr<Private> d_;
};

} // namespace vd
