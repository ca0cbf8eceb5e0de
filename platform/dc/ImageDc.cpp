#include "platform/dc/ImageDc.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/dc/FontCache.h"
#include "platform/dc/Frames.h"
#include "platform/dc/PainterOps.h"
#include "platform/dc/Raster.h"

#include <algorithm>
#include <cstring>

namespace vd {

struct ImageDc::Private {
    Bitmap bitmap;
    raster::PolygonScratch polygonScratch;
    std::vector<Point> devicePoints;
};

ImageDc::ImageDc() : d_(std::make_unique<Private>())
{
    d_->bitmap.CreateBitmap(1, 1);
}

ImageDc::ImageDc(int width, int height, COLORREF fill) : d_(std::make_unique<Private>())
{
    if (!d_->bitmap.CreateBitmap(std::max(width, 1), std::max(height, 1)))
        d_->bitmap.CreateBitmap(1, 1);
    d_->bitmap.impl()->image.fill(raster::toPixel(fill & 0xFFFFFF));
}

ImageDc::ImageDc(const Bitmap& target) : d_(std::make_unique<Private>())
{
    if (target.IsNull())
        d_->bitmap.CreateBitmap(1, 1);
    else
        d_->bitmap = target;
}

ImageDc::~ImageDc() = default;

Bitmap ImageDc::SelectObject(const Bitmap& bitmap)
{
    if (bitmap.IsNull())
        return Bitmap();
    return std::exchange(d_->bitmap, bitmap);
}

const Bitmap& ImageDc::GetBitmap() const { return d_->bitmap; }
Bitmap ImageDc::GetSurface() const { return d_->bitmap; }
int ImageDc::Width() const { return d_->bitmap.GetSize().cx; }
int ImageDc::Height() const { return d_->bitmap.GetSize().cy; }

COLORREF ImageDc::GetPixel(int x, int y) const
{
    const Point p = LPtoDP(Point{x, y});
    const QImage& image = d_->bitmap.impl()->image;
    if (p.x < 0 || p.y < 0 || p.x >= image.width() || p.y >= image.height())
        return CLR_INVALID;
    if (state_.clipped && !state_.clip.PtInRect(p))
        return CLR_INVALID;
    return raster::fromPixel(reinterpret_cast<const std::uint32_t*>(image.constScanLine(p.y))[p.x]);
}

int ImageDc::GetDeviceCaps(int index) const
{
    const Size size = d_->bitmap.GetSize();
    switch (index) {
    case HORZRES: return size.cx;
    case VERTRES: return size.cy;
    case HORZSIZE: return size.cx * 254 / 960;
    case VERTSIZE: return size.cy * 254 / 960;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case SIZEPALETTE: return 0;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DI_BITMAP;
    case PHYSICALWIDTH: return size.cx;
    case PHYSICALHEIGHT: return size.cy;
    default: return 0;
    }
}

namespace {


Rect intersect(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.IsRectEmpty())
        return Rect{};
    return r;
}

// Combines a dest-sized picture (or only the pattern) into the surface by a ternary raster operation.
void combine(const raster::Surface& s, const Rect& clip, const Rect& dest, const QImage* picture, std::uint32_t pattern, std::uint32_t rop)
{
    const Rect area = intersect(dest, clip);
    if (area.IsRectEmpty())
        return;
    const unsigned code = (rop >> 16) & 0xFF;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint32_t* out = s.row(y);
        const std::uint32_t* in = picture ? reinterpret_cast<const std::uint32_t*>(picture->constScanLine(y - dest.top)) - dest.left : nullptr;
        if (code == 0xCC && in) {
            std::memcpy(out + area.left, in + area.left, std::size_t(area.Width()) * 4);
            continue;
        }
        for (int x = area.left; x < area.right; ++x)
            out[x] = raster::rop3(rop, pattern, in ? (in[x] | 0xFF000000u) : 0xFF000000u, out[x]);
    }
}

} // namespace

bool ImageDc::execute(const DrawOp& op)
{
    Bitmap::Impl& impl = *d_->bitmap.impl();
    const raster::Surface s = impl.surface();
    if (!s.pixels)
        return false;
    const DcState& st = state_;
    const Rect clip = deviceClip(Rect{0, 0, s.width, s.height});
    const bool penOn = paint::visiblePen(st.pen);
    const bool brushOn = paint::visibleBrush(st.brush);
    const int penWidth = std::max(toDeviceWidth(st.pen.Width()), 1);
    const bool thin = penWidth <= 1;
    const std::uint32_t penPixel = raster::toPixel(resolve(st.pen.Colour()));
    const std::uint32_t brushPixel = raster::toPixel(resolve(st.brush.Colour()));

    raster::LinePen linePen;
    linePen.style = st.pen.Style();
    linePen.colour = penPixel;
    linePen.fillGaps = paint::fillsGaps(st);
    linePen.gapColour = raster::toPixel(resolve(st.bkColour));
    linePen.rop = st.rop2;

    // QPainter drawing through the binary raster operation: straight in for copy, otherwise
    // into a layer first whose covered pixels then combine with the picture one by one.
    const auto painted = [&](const Rect& bounds, const auto& draw) {
        if (st.rop2 == R2_NOP)
            return;
        if (st.rop2 == R2_COPYPEN) {
            QPainter& p = impl.beginPainting();
            paint::prepare(p, clip);
            draw(p);
            return;
        }
        const Rect area = intersect(bounds, clip);
        if (area.IsRectEmpty())
            return;
        QImage layer(area.Width(), area.Height(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(0);
        {
            QPainter lp(&layer);
            paint::prepare(lp, Rect{0, 0, area.Width(), area.Height()});
            lp.translate(-area.left, -area.top);
            draw(lp);
        }
        for (int y = 0; y < area.Height(); ++y) {
            const auto* in = reinterpret_cast<const std::uint32_t*>(layer.constScanLine(y));
            std::uint32_t* out = s.row(area.top + y) + area.left;
            for (int x = 0; x < area.Width(); ++x)
                if ((in[x] >> 24) == 0xFF)
                    out[x] = raster::rop2(st.rop2, in[x], out[x]);
        }
    };
    const auto boundsOf = [&](const std::vector<Point>& pts) {
        Rect b{pts[0].x, pts[0].y, pts[0].x + 1, pts[0].y + 1};
        for (const Point& p : pts) {
            b.left = std::min(b.left, p.x);
            b.top = std::min(b.top, p.y);
            b.right = std::max(b.right, p.x + 1);
            b.bottom = std::max(b.bottom, p.y + 1);
        }
        b.InflateRect(penWidth + 1, penWidth + 1);
        return b;
    };
    const auto strokeWide = [&](const std::vector<Point>& pts, const std::vector<int>& counts, bool closed) {
        const QPen pen = paint::qpen(st.pen, resolve(st.pen.Colour()), penWidth);
        painted(boundsOf(pts), [&](QPainter& p) { p.strokePath(paint::linePath(pts, counts, closed), pen); });
    };
    const auto thinLines = [&](const std::vector<Point>& pts, const std::vector<int>& counts, bool closed) {
        std::size_t start = 0;
        for (int count : counts) {
            long long phase = 0;
            for (int i = 0; i + 1 < count; ++i)
                raster::drawLine(s, clip, pts[start + std::size_t(i)], pts[start + std::size_t(i) + 1], linePen, phase);
            if (closed && count > 1)
                raster::drawLine(s, clip, pts[start + std::size_t(count) - 1], pts[start], linePen, phase);
            start += std::size_t(count);
        }
    };
    const auto devicePoints = [&]() -> const std::vector<Point>& {
        std::vector<Point>& pts = d_->devicePoints;
        pts.clear();
        for (const Point& p : op.points)
            pts.push_back(toDevice(p));
        return pts;
    };

    switch (op.kind) {
    case DrawOp::LineTo:
        if (penOn && thin) {
            long long phase = 0;
            raster::drawLine(s, clip, toDevice(op.points[0]), toDevice(op.points[1]), linePen, phase);
            return true;
        }
        [[fallthrough]];
    case DrawOp::Polyline: {
        if (!penOn)
            return true;
        const std::vector<Point>& pts = devicePoints();
        const std::vector<int> counts{int(pts.size())};
        if (thin)
            thinLines(pts, counts, false);
        else
            strokeWide(pts, counts, false);
        return true;
    }
    case DrawOp::Polygon:
    case DrawOp::PolyPolygon: {
        const std::vector<Point>& pts = devicePoints();
        const std::vector<int> counts = op.kind == DrawOp::Polygon ? std::vector<int>{int(pts.size())} : op.counts;
        if (brushOn)
            raster::fillPolygons(s, clip, pts, counts, st.polyFillMode == WINDING, brushPixel, st.rop2, d_->polygonScratch);
        if (penOn) {
            if (thin)
                thinLines(pts, counts, true);
            else
                strokeWide(pts, counts, true);
        }
        return true;
    }
    case DrawOp::Rectangle: {
        const Rect r = toDevice(op.rect);
        if (r.IsRectEmpty())
            return true;
        if (!penOn) {
            // Without a pen the fill stops one pixel short on the right and at the bottom.
            if (brushOn)
                raster::fillRect(s, intersect(Rect{r.left, r.top, r.right - 1, r.bottom - 1}, clip), brushPixel, st.rop2);
            return true;
        }
        if (brushOn)
            raster::fillRect(s, intersect(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, clip), brushPixel, st.rop2);
        if (thin && (r.Width() == 1 || r.Height() == 1)) {
            raster::fillRect(s, intersect(r, clip), penPixel, st.rop2);
            return true;
        }
        const std::vector<Point> corners{{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
        if (thin)
            thinLines(corners, {4}, true);
        else
            strokeWide(corners, {4}, true);
        return true;
    }
    case DrawOp::Ellipse:
    case DrawOp::RoundRect:
        if (!penOn || (thin && st.pen.Style() == PS_SOLID) || st.pen.Style() == PS_INSIDEFRAME) {
            // Drawn here: pixel for pixel symmetric, each pixel once (so XOR twice restores).
            Rect r = toDevice(op.rect);
            if (!penOn) {
                --r.right;
                --r.bottom;
            }
            const bool ellipse = op.kind == DrawOp::Ellipse;
            const int cw = ellipse ? r.Width() : toDeviceWidth(op.corner.cx);
            const int ch = ellipse ? r.Height() : std::abs(toDeviceHeight(op.corner.cy));
            raster::RoundedPaint paint;
            paint.outline = penOn && thin;
            paint.penColour = penPixel;
            paint.fill = brushOn;
            paint.brushColour = brushPixel;
            paint.rop = st.rop2;
            if (penOn && !thin) {
                raster::drawRounded(s, clip, r, cw, ch, raster::RoundedPaint{false, 0, brushOn, brushPixel, st.rop2});
                const QPainterPath path = paint::shapePath(op.kind, r, Size{cw, ch}, Point{}, Point{});
                const QPen pen = paint::qpen(st.pen, resolve(st.pen.Colour()), penWidth);
                Rect bounds = r;
                bounds.InflateRect(penWidth + 1, penWidth + 1);
                painted(bounds, [&](QPainter& p) { p.strokePath(path, pen); });
            } else {
                raster::drawRounded(s, clip, r, cw, ch, paint);
            }
            return true;
        }
        [[fallthrough]];
    case DrawOp::Arc:
    case DrawOp::Pie:
    case DrawOp::Chord: {
        const Rect r = toDevice(op.rect);
        if (r.IsRectEmpty())
            return true;
        const Point start = op.points.size() == 2 ? toDevice(op.points[0]) : Point{};
        const Point end = op.points.size() == 2 ? toDevice(op.points[1]) : Point{};
        const Size corner{toDeviceWidth(op.corner.cx), std::abs(toDeviceHeight(op.corner.cy))};
        const QPainterPath path = paint::shapePath(op.kind, r, corner, start, end);
        Rect bounds = r;
        bounds.InflateRect(penWidth + 1, penWidth + 1);
        if (brushOn && op.kind != DrawOp::Arc) {
            const QColor fill = paint::qcolor(resolve(st.brush.Colour()));
            painted(bounds, [&](QPainter& p) { p.fillPath(path, fill); });
        }
        if (penOn) {
            const QPen pen = paint::qpen(st.pen, resolve(st.pen.Colour()), penWidth);
            painted(bounds, [&](QPainter& p) {
                paint::strokeOverGaps(p, path, pen, linePen.fillGaps && thin, resolve(st.bkColour));
            });
        }
        return true;
    }
    case DrawOp::FillRect:
        if (paint::visibleBrush(op.brush))
            raster::fillRect(s, intersect(toDevice(op.rect), clip), raster::toPixel(resolve(op.brush.Colour())), R2_COPYPEN);
        return true;
    case DrawOp::FillSolidRect:
        raster::fillRect(s, intersect(toDevice(op.rect), clip), raster::toPixel(resolve(op.colour)), R2_COPYPEN);
        return true;
    case DrawOp::FrameRect: {
        if (!paint::visibleBrush(op.brush))
            return true;
        const Rect r = toDevice(op.rect);
        if (r.IsRectEmpty())
            return true;
        const std::uint32_t c = raster::toPixel(resolve(op.brush.Colour()));
        for (const Rect& side : {Rect{r.left, r.top, r.right, r.top + 1}, Rect{r.left, r.bottom - 1, r.right, r.bottom},
                                 Rect{r.left, r.top + 1, r.left + 1, r.bottom - 1}, Rect{r.right - 1, r.top + 1, r.right, r.bottom - 1}})
            raster::fillRect(s, intersect(side, clip), c, R2_COPYPEN);
        return true;
    }
    case DrawOp::InvertRect:
        raster::fillRect(s, intersect(toDevice(op.rect), clip), 0, R2_NOT);
        return true;
    case DrawOp::PatBlt:
    case DrawOp::BitBlt:
    case DrawOp::StretchBlt:
    case DrawOp::SetDIBitsToDevice:
    case DrawOp::StretchDIBits: {
        if (op.kind == DrawOp::PatBlt) {
            if (raster::rop3UsesPattern(op.rop) && !brushOn)
                return true;
            combine(s, clip, toDevice(op.rect), nullptr, brushPixel, op.rop);
            return true;
        }
        const paint::BlitPlan plan = paint::planBlit(*this, op);
        if (!plan.valid)
            return false;
        const std::uint32_t rop = (op.kind == DrawOp::SetDIBitsToDevice) ? SRCCOPY : op.rop;
        combine(s, clip, plan.dest, plan.picture.isNull() ? nullptr : &plan.picture, brushPixel, rop);
        return true;
    }
    case DrawOp::SetPixel: {
        const Point p = toDevice(op.points[0]);
        if (!clip.PtInRect(p))
            return false;
        s.row(p.y)[p.x] = raster::toPixel(resolve(op.colour));
        return true;
    }
    case DrawOp::TextOut: {
        const LogFont& lf = st.font.GetLogFont();
        const ResolvedFont& f = resolveFont(lf, toDeviceHeight(lf.lfHeight));
        QPainter& p = impl.beginPainting();
        paint::prepare(p, clip);
        paint::drawText(p, f, QString::fromStdString(op.text), toDevice(op.points[0]),
                        paint::textStyle(st, resolve(st.textColour), resolve(st.bkColour)));
        return true;
    }
    case DrawOp::Draw3dRect:
    case DrawOp::DrawEdge:
    case DrawOp::DrawFrameControl:
        for (const auto& [r, colour] : frames::forCall(op))
            raster::fillRect(s, intersect(toDevice(r), clip), raster::toPixel(resolve(colour)), R2_COPYPEN);
        return true;
    }
    return false;
}

} // namespace vd
