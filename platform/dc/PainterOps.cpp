#include "platform/dc/PainterOps.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/dc/Raster.h"

#include <QFontMetrics>
#include <QHash>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <unordered_map>

namespace vd::paint {

QColor qcolor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

bool visiblePen(const Pen& pen) { return !pen.IsNull() && pen.Style() != PS_NULL; }
bool visibleBrush(const Brush& brush) { return !brush.IsNull() && brush.Style() != BS_NULL; }

bool fillsGaps(const DcState& st)
{
    return st.bkMode == OPAQUE && st.pen.Style() >= PS_DASH && st.pen.Style() <= PS_DASHDOTDOT;
}

void strokeOverGaps(QPainter& p, const QPainterPath& path, const QPen& pen, bool fillGaps, COLORREF gapColour)
{
    if (fillGaps) {
        QPen gaps(qcolor(gapColour), 1);
        gaps.setCosmetic(true);
        p.strokePath(path, gaps);
    }
    p.strokePath(path, pen);
}

void prepare(QPainter& p, const Rect& clip)
{
    p.resetTransform();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1.0);
    p.setClipRect(QRect(clip.left, clip.top, std::max(clip.Width(), 0), std::max(clip.Height(), 0)));
    p.setBackgroundMode(Qt::TransparentMode);
}

QPen qpen(const Pen& pen, COLORREF colour, int deviceWidth)
{
    if (pen.IsNull() || pen.Style() == PS_NULL)
        return QPen(Qt::NoPen);
    if (deviceWidth <= 1) {
        QPen q(qcolor(colour), 1);
        q.setCosmetic(true);
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
        switch (pen.Style()) {
        case PS_DASH: q.setDashPattern({18, 6}); break;
        case PS_DOT: q.setDashPattern({3, 3}); break;
        case PS_DASHDOT: q.setDashPattern({9, 6, 3, 6}); break;
        case PS_DASHDOTDOT: q.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
        return q;
    }
    QPen q(qcolor(colour), deviceWidth);
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    return q;
}

namespace {

// The parametric angle (degrees, counter-clockwise) at which the radial through p meets the
// ellipse of the rectangle.
double ellipseAngle(const QRectF& e, Point p)
{
    const double dx = p.x + 0.5 - e.center().x();
    const double dyUp = e.center().y() - (p.y + 0.5);
    const double rx = std::max(e.width() / 2, 1e-9);
    const double ry = std::max(e.height() / 2, 1e-9);
    if (dx == 0 && dyUp == 0)
        return 0;
    return std::atan2(dyUp * rx, dx * ry) * 180.0 / M_PI;
}

} // namespace

QPainterPath shapePath(DrawOp::Kind kind, const Rect& r, Size corner, Point start, Point end)
{
    const QRectF e(r.left + 0.5, r.top + 0.5, std::max(r.Width() - 1, 0), std::max(r.Height() - 1, 0));
    QPainterPath path;
    switch (kind) {
    case DrawOp::Ellipse:
        path.addEllipse(e);
        break;
    case DrawOp::RoundRect: {
        const double rx = std::min(std::abs(corner.cx) / 2.0, e.width() / 2);
        const double ry = std::min(std::abs(corner.cy) / 2.0, e.height() / 2);
        path.addRoundedRect(e, rx, ry);
        break;
    }
    case DrawOp::Arc:
    case DrawOp::Pie:
    case DrawOp::Chord: {
        const double a0 = ellipseAngle(e, start);
        double span = ellipseAngle(e, end) - a0;
        while (span <= 0)
            span += 360;
        if (start == end)
            span = 360;
        if (kind == DrawOp::Pie) {
            path.moveTo(e.center());
            path.arcTo(e, a0, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(e, a0);
            path.arcTo(e, a0, span);
            if (kind == DrawOp::Chord)
                path.closeSubpath();
        }
        break;
    }
    default:
        path.addRect(e);
        break;
    }
    return path;
}

QPainterPath linePath(const std::vector<Point>& points, const std::vector<int>& counts, bool closed)
{
    // Through the pixel centres, nudged a 64th of a pixel up and left: an edge of a wide pen that
    // falls exactly on a row or column of pixel centres then takes the top and left one (the
    // fill rule of the rule table), so a 2-pixel line covers its own row and the one above.
    constexpr double kCentre = 0.5 - 1.0 / 64;
    QPainterPath path;
    std::size_t start = 0;
    for (int count : counts) {
        for (int i = 0; i < count; ++i) {
            const Point& pt = points[start + std::size_t(i)];
            if (i == 0)
                path.moveTo(pt.x + kCentre, pt.y + kCentre);
            else
                path.lineTo(pt.x + kCentre, pt.y + kCentre);
        }
        if (closed)
            path.closeSubpath();
        start += std::size_t(count);
    }
    return path;
}

int textWidth(const ResolvedFont& font, const QString& text)
{
    // Kept per font and text: the same labels are measured on every repaint, and measuring
    // shapes the whole text. Resolved fonts live as long as the program, so their address names
    // them.
    struct Key {
        const ResolvedFont* font;
        QString text;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Key& k) const { return qHash(k.text) ^ std::hash<const void*>()(k.font); }
    };
    static std::unordered_map<Key, int, Hash> widths;
    static std::mutex mutex;
    constexpr std::size_t kKeptWidths = 8192;
    Key key{&font, text};
    {
        const std::lock_guard lock(mutex);
        const auto it = widths.find(key);
        if (it != widths.end())
            return it->second;
    }
    const int width = QFontMetrics(font.font).horizontalAdvance(text);
    const std::lock_guard lock(mutex);
    if (widths.size() >= kKeptWidths)
        widths.clear();
    widths.emplace(std::move(key), width);
    return width;
}

TextStyle textStyle(const DcState& st, COLORREF colour, COLORREF background)
{
    TextStyle style;
    style.align = st.textAlign;
    style.escapement = st.font.GetLogFont().lfEscapement;
    style.opaque = st.bkMode == OPAQUE;
    style.colour = colour;
    style.background = background;
    return style;
}

void drawText(QPainter& p, const ResolvedFont& font, const QString& text, Point ref, const TextStyle& style)
{
    // Measured only where the placement or the opaque cell needs the width.
    const unsigned horizontal = style.align & TA_CENTER;
    const bool needsWidth = style.opaque || horizontal == TA_RIGHT || horizontal == TA_CENTER;
    const int width = needsWidth ? textWidth(font, text) : 0;
    int left = 0;
    switch (style.align & TA_CENTER) {
    case TA_RIGHT: left = -width; break;
    case TA_CENTER: left = -width / 2; break;
    default: break;
    }
    int top = 0;
    switch (style.align & TA_BASELINE) {
    case TA_BOTTOM: top = -font.height; break;
    case TA_BASELINE: top = -font.ascent; break;
    default: break;
    }
    p.save();
    p.translate(ref.x, ref.y);
    if (style.escapement != 0)
        p.rotate(-style.escapement / 10.0);
    if (style.opaque)
        p.fillRect(QRect(left, top, width, font.height), qcolor(style.background));
    p.setFont(font.font);
    p.setPen(qcolor(style.colour));
    p.drawText(QPoint(left, top + font.ascent), text);
    p.restore();
}

QImage sourceFor(const QImage& source, const Rect& src, int destWidth, int destHeight, int stretchMode)
{
    Rect s = src;
    const bool flipX = (s.Width() < 0) != (destWidth < 0);
    const bool flipY = (s.Height() < 0) != (destHeight < 0);
    s.NormalizeRect();
    if (s.IsRectEmpty() || destWidth == 0 || destHeight == 0)
        return QImage();
    QImage part = source.copy(s.left, s.top, s.Width(), s.Height());
    const int w = std::abs(destWidth);
    const int h = std::abs(destHeight);
    if (part.width() != w || part.height() != h)
        part = part.scaled(w, h, Qt::IgnoreAspectRatio, stretchMode == HALFTONE ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (flipX || flipY)
        part = part.mirrored(flipX, flipY);
    return part.convertToFormat(QImage::Format_RGB32);
}

BlitPlan planBlit(const Dc& dc, const DrawOp& op, const void* destPixels)
{
    BlitPlan plan;
    if (op.kind == DrawOp::BitBlt || op.kind == DrawOp::StretchBlt) {
        const Point a = dc.LPtoDP(Point{op.rect.left, op.rect.top});
        const Point b = dc.LPtoDP(Point{op.rect.right, op.rect.bottom});
        plan.dest = Rect{a.x, a.y, b.x, b.y};
        plan.dest.NormalizeRect();
        if (raster::rop3UsesSource(op.rop)) {
            if (!op.sourceDc)
                return plan;
            const Bitmap surface = op.sourceDc->GetSurface();
            if (surface.IsNull())
                return plan;
            const Point sa = op.sourceDc->LPtoDP(Point{op.source.left, op.source.top});
            const Point sb = op.sourceDc->LPtoDP(Point{op.source.right, op.source.bottom});
            const QImage& source = bitmapImage(surface);
            const bool unscaled = sb.x - sa.x == b.x - a.x && sb.y - sa.y == b.y - a.y && sb.x > sa.x && sb.y > sa.y;
            if (destPixels && unscaled && source.constBits() != destPixels && sa.x >= 0 && sa.y >= 0 &&
                sb.x <= source.width() && sb.y <= source.height() && b.x > a.x && b.y > a.y) {
                plan.picture = source;
                plan.origin = sa;
                plan.valid = !plan.dest.IsRectEmpty();
                return plan;
            }
            plan.picture = sourceFor(source, Rect{sa.x, sa.y, sb.x, sb.y}, b.x - a.x, b.y - a.y, dc.GetStretchBltMode());
            if (plan.picture.isNull())
                return plan;
        }
        plan.valid = !plan.dest.IsRectEmpty();
        return plan;
    }
    if ((op.kind != DrawOp::SetDIBitsToDevice && op.kind != DrawOp::StretchDIBits) || !op.dib)
        return plan;
    const Dib& dib = *op.dib;
    const QImage image = dibToImage(dib);
    if (image.isNull())
        return plan;
    const int height = dib.AbsHeight();
    // Source rows from the bottom of a bottom-up picture, from the top of a top-down one.
    Rect src = op.source;
    if (!dib.TopDown())
        src = Rect{src.left, height - src.top, src.right, height - src.bottom};
    if (op.kind == DrawOp::SetDIBitsToDevice) {
        src.NormalizeRect();
        const Point a = dc.LPtoDP(Point{op.rect.left, op.rect.top});
        Rect dest{a.x, a.y, a.x + op.rect.Width(), a.y + op.rect.Height()};
        // Only the scan lines handed over are drawn.
        const int bandBottom = dib.TopDown() ? op.startScan + op.scanLines : height - op.startScan;
        const int bandTop = dib.TopDown() ? op.startScan : height - op.startScan - op.scanLines;
        const int top = std::max(src.top, bandTop);
        const int bottom = std::min(src.bottom, bandBottom);
        if (bottom <= top)
            return plan;
        dest.top += top - src.top;
        dest.bottom -= src.bottom - bottom;
        src.top = top;
        src.bottom = bottom;
        plan.dest = dest;
        plan.picture = sourceFor(image, src, dest.Width(), dest.Height(), COLORONCOLOR);
    } else {
        const Point a = dc.LPtoDP(Point{op.rect.left, op.rect.top});
        const Point b = dc.LPtoDP(Point{op.rect.right, op.rect.bottom});
        plan.dest = Rect{a.x, a.y, b.x, b.y};
        plan.dest.NormalizeRect();
        // A bottom-up source rectangle runs upwards: its rows come out top first again.
        const Rect rows = dib.TopDown() ? src : Rect{src.left, src.bottom, src.right, src.top};
        plan.picture = sourceFor(image, rows, b.x - a.x, b.y - a.y, dc.GetStretchBltMode());
    }
    plan.valid = !plan.picture.isNull() && !plan.dest.IsRectEmpty();
    return plan;
}

} // namespace vd::paint
