#include "platform/dc/PrinterDc.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/dc/FontCache.h"
#include "platform/dc/Frames.h"
#include "platform/dc/PainterOps.h"
#include "platform/dc/PrinterDcQt.h"
#include "platform/dc/Raster.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPrinter>

namespace vd {

struct PrinterDc::Private {
    std::unique_ptr<QPrinter> owned;
    QPrinter* printer = nullptr;
    QPainter painter;
    bool pageOpen = false;
    bool anyPage = false;
};

PrinterDc::PrinterDc(std::unique_ptr<Private> d) : d_(std::move(d)) {}

PrinterDc::~PrinterDc() { EndDoc(); }

std::unique_ptr<PrinterDc> PrinterDc::ForPdf(const std::string& path, int dpi)
{
    auto d = std::make_unique<Private>();
    d->owned = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d->owned->setOutputFormat(QPrinter::PdfFormat);
    d->owned->setOutputFileName(QString::fromStdString(path));
    d->owned->setResolution(dpi);
    d->owned->setPageSize(QPageSize(QPageSize::A4));
    d->owned->setPageOrientation(QPageLayout::Portrait);
    d->owned->setFullPage(false);
    d->printer = d->owned.get();
    return std::make_unique<PrinterDc>(std::move(d));
}

std::unique_ptr<PrinterDc> printerDcFor(QPrinter* printer)
{
    auto d = std::make_unique<PrinterDc::Private>();
    d->printer = printer;
    return std::make_unique<PrinterDc>(std::move(d));
}

int PrinterDc::StartDoc(const std::string& title)
{
    if (d_->painter.isActive())
        return 1;
    d_->printer->setDocName(QString::fromStdString(title));
    return d_->painter.begin(d_->printer) ? 1 : -1;
}

int PrinterDc::StartPage()
{
    if (!d_->painter.isActive() && StartDoc("Veldoran") < 0)
        return -1;
    if (d_->pageOpen)
        return 1;
    if (d_->anyPage && !d_->printer->newPage())
        return -1;
    d_->pageOpen = true;
    d_->anyPage = true;
    return 1;
}

int PrinterDc::EndPage()
{
    d_->pageOpen = false;
    return 1;
}

namespace {

// Qt's PDF writer does not report a failed write (a full disk): a PDF file counts as written when
// it ends with its end-of-file mark.
bool pdfFileComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

} // namespace

int PrinterDc::EndDoc()
{
    d_->pageOpen = false;
    if (!d_->painter.isActive())
        return 1;
    // A preview records its pages elsewhere (its engine is not the PDF writer): no file to check.
    const bool writesPdf = d_->printer->paintEngine() && d_->printer->paintEngine()->type() == QPaintEngine::Pdf &&
                           !d_->printer->outputFileName().isEmpty();
    bool ended = d_->painter.end() && d_->printer->printerState() != QPrinter::Error;
    if (ended && writesPdf)
        ended = pdfFileComplete(d_->printer->outputFileName());
    return ended ? 1 : -1;
}

int PrinterDc::GetDeviceCaps(int index) const
{
    const QPrinter& p = *d_->printer;
    const int dpi = p.resolution();
    const QRect paper = p.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = p.pageRect(QPrinter::DevicePixel).toRect();
    switch (index) {
    case HORZRES: return page.width();
    case VERTRES: return page.height();
    case HORZSIZE: return int(page.width() * 254LL / (dpi * 10LL));
    case VERTSIZE: return int(page.height() * 254LL / (dpi * 10LL));
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case BITSPIXEL: return 24;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DI_BITMAP;
    case PHYSICALWIDTH: return paper.width();
    case PHYSICALHEIGHT: return paper.height();
    case PHYSICALOFFSETX: return page.left() - paper.left();
    case PHYSICALOFFSETY: return page.top() - paper.top();
    default: return 0;
    }
}

namespace {
QRect qrect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
} // namespace

bool PrinterDc::execute(const DrawOp& op)
{
    if (!d_->pageOpen && StartPage() < 0)
        return false;
    QPainter& p = d_->painter;
    const DcState& st = state_;
    if (st.rop2 == R2_NOP && op.kind <= DrawOp::Chord)
        return true;
    const QRect page(QPoint(0, 0), QSize(GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)));
    paint::prepare(p, deviceClip(Rect{page.left() - (1 << 20), page.top() - (1 << 20), page.right() + (1 << 20), page.bottom() + (1 << 20)}));
    const int penWidth = std::max(toDeviceWidth(st.pen.Width()), 1);
    const QPen pen = paint::visiblePen(st.pen) ? paint::qpen(st.pen, resolve(st.pen.Colour()), penWidth) : QPen(Qt::NoPen);
    const bool gaps = penWidth <= 1 && paint::fillsGaps(st);
    const QColor brush = paint::qcolor(resolve(st.brush.Colour()));
    const bool brushOn = paint::visibleBrush(st.brush);
    const auto stroke = [&](const QPainterPath& path) {
        if (pen.style() != Qt::NoPen)
            paint::strokeOverGaps(p, path, pen, gaps, resolve(st.bkColour));
    };
    std::vector<Point> pts;
    for (const Point& pt : op.points)
        pts.push_back(toDevice(pt));

    switch (op.kind) {
    case DrawOp::LineTo:
    case DrawOp::Polyline:
        stroke(paint::linePath(pts, {int(pts.size())}, false));
        return true;
    case DrawOp::Polygon:
    case DrawOp::PolyPolygon: {
        QPainterPath path = paint::linePath(pts, op.kind == DrawOp::Polygon ? std::vector<int>{int(pts.size())} : op.counts, true);
        path.setFillRule(st.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        if (brushOn)
            p.fillPath(path, brush);
        stroke(path);
        return true;
    }
    case DrawOp::Rectangle: {
        const Rect r = toDevice(op.rect);
        if (r.IsRectEmpty())
            return true;
        if (pen.style() == Qt::NoPen) {
            if (brushOn)
                p.fillRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1), brush);
            return true;
        }
        if (brushOn)
            p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), brush);
        QPainterPath path;
        path.addRect(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1));
        stroke(path);
        return true;
    }
    case DrawOp::Ellipse:
    case DrawOp::RoundRect:
    case DrawOp::Arc:
    case DrawOp::Pie:
    case DrawOp::Chord: {
        const Rect r = toDevice(op.rect);
        if (r.IsRectEmpty())
            return true;
        const Size corner{toDeviceWidth(op.corner.cx), std::abs(toDeviceHeight(op.corner.cy))};
        const QPainterPath path = paint::shapePath(op.kind, r, corner, pts.size() == 2 ? pts[0] : Point{}, pts.size() == 2 ? pts[1] : Point{});
        if (brushOn && op.kind != DrawOp::Arc)
            p.fillPath(path, brush);
        stroke(path);
        return true;
    }
    case DrawOp::FillRect:
        if (paint::visibleBrush(op.brush))
            p.fillRect(qrect(toDevice(op.rect)), paint::qcolor(resolve(op.brush.Colour())));
        return true;
    case DrawOp::FillSolidRect:
        p.fillRect(qrect(toDevice(op.rect)), paint::qcolor(resolve(op.colour)));
        return true;
    case DrawOp::FrameRect: {
        if (!paint::visibleBrush(op.brush))
            return true;
        const Rect r = toDevice(op.rect);
        const QColor c = paint::qcolor(resolve(op.brush.Colour()));
        p.fillRect(QRect(r.left, r.top, r.Width(), 1), c);
        p.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), c);
        p.fillRect(QRect(r.left, r.top, 1, r.Height()), c);
        p.fillRect(QRect(r.right - 1, r.top, 1, r.Height()), c);
        return true;
    }
    case DrawOp::InvertRect:
        return true; // nothing to invert on paper
    case DrawOp::SetPixel:
        p.fillRect(QRect(pts[0].x, pts[0].y, 1, 1), paint::qcolor(resolve(op.colour)));
        return true;
    case DrawOp::PatBlt:
    case DrawOp::BitBlt:
    case DrawOp::StretchBlt:
    case DrawOp::SetDIBitsToDevice:
    case DrawOp::StretchDIBits: {
        // Operations with a source copy it; pattern operations paint the brush; the rest
        // (inverting what is on the paper) draw nothing, except the two plain fills.
        const std::uint32_t rop = op.kind == DrawOp::SetDIBitsToDevice ? SRCCOPY : op.rop;
        const Rect dest = op.kind == DrawOp::PatBlt ? toDevice(op.rect) : Rect{};
        if (rop == BLACKNESS || rop == WHITENESS) {
            const paint::BlitPlan plan = op.kind == DrawOp::PatBlt ? paint::BlitPlan{true, dest, {}} : paint::planBlit(*this, op);
            p.fillRect(qrect(plan.dest), rop == BLACKNESS ? Qt::black : Qt::white);
            return true;
        }
        if (op.kind != DrawOp::PatBlt && raster::rop3UsesSource(rop)) {
            const paint::BlitPlan plan = paint::planBlit(*this, op);
            if (!plan.valid)
                return false;
            p.drawImage(qrect(plan.dest), plan.picture);
            return true;
        }
        if (raster::rop3UsesPattern(rop) && brushOn) {
            const Rect r = op.kind == DrawOp::PatBlt ? dest : toDevice(op.rect);
            p.fillRect(qrect(r), brush);
        }
        return true;
    }
    case DrawOp::TextOut: {
        const LogFont& lf = st.font.GetLogFont();
        const ResolvedFont& f = resolveFont(lf, toDeviceHeight(lf.lfHeight));
        paint::drawText(p, f, QString::fromStdString(op.text), pts[0],
                        paint::textStyle(st, resolve(st.textColour), resolve(st.bkColour)));
        return true;
    }
    case DrawOp::Draw3dRect:
    case DrawOp::DrawEdge:
    case DrawOp::DrawFrameControl:
        for (const auto& [r, colour] : frames::forCall(op))
            p.fillRect(qrect(toDevice(r)), paint::qcolor(resolve(colour)));
        return true;
    }
    return false;
}

} // namespace vd
