#include "platform/dc/ImageDc.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/dc/FontCache.h"
#include "platform/dc/Frames.h"
#include "platform/dc/PainterOps.h"
#include "platform/dc/Raster.h"
#include "platform/dc/TextMasks.h"

#include <algorithm>
#include <cstring>

namespace vd {

struct ImageDc::Private {
    Bitmap bitmap;
    raster::PolygonScratch polygonScratch;
    std::vector<Point> devicePoints;
    std::vector<int> counts; // one polygon's count, or a copy of the call's
};

// What every call draws into: the bitmap's pixels and the clip in device pixels.
struct ImageDc::Target {
    Bitmap::Impl& impl;
    raster::Surface s;
    Rect clip;
};

// The selected pen in device terms, worked out only by the calls that draw lines.
struct ImageDc::PenSetup {
    bool on = false;
    int width = 1;
    bool thin = true;
    raster::LinePen line;
};

ImageDc::ImageDc() : d_(std::make_unique<Private>())
{
    d_->bitmap.CreateBitmap(1, 1);
}

ImageDc::ImageDc(int width, int height, COLORREF fill) : d_(std::make_unique<Private>())
{
    if (!d_->bitmap.CreateBitmap(std::max(width, 1), std::max(height, 1), fill))
        d_->bitmap.CreateBitmap(1, 1, fill);
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
void combine(const raster::Surface& s, const Rect& clip, const Rect& dest, const QImage* picture, Point origin,
             std::uint32_t pattern, std::uint32_t rop)
{
    const Rect area = intersect(dest, clip);
    if (area.IsRectEmpty())
        return;
    const unsigned code = (rop >> 16) & 0xFF;
    // An operation of the pattern alone (a fill, black, white) gives every pixel one value.
    if (!picture && ((code >> 1) & 0x55) == (code & 0x55) && ((code >> 2) & 0x33) == (code & 0x33)) {
        const std::uint32_t value = raster::rop3(rop, pattern, 0xFF000000u, 0);
        for (int y = area.top; y < area.bottom; ++y)
            std::fill(s.row(y) + area.left, s.row(y) + area.right, value);
        return;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint32_t* out = s.row(y);
        const std::uint32_t* in = picture ? reinterpret_cast<const std::uint32_t*>(picture->constScanLine(y - dest.top + origin.y)) -
                                                dest.left + origin.x
                                          : nullptr;
        if (code == 0xCC && in) {
            std::memcpy(out + area.left, in + area.left, std::size_t(area.Width()) * 4);
            continue;
        }
        for (int x = area.left; x < area.right; ++x)
            out[x] = raster::rop3(rop, pattern, in ? (in[x] | 0xFF000000u) : 0xFF000000u, out[x]);
    }
}

// QPainter drawing through the binary raster operation: straight in for copy, otherwise into a
// layer first whose covered pixels then combine with the picture one by one.
template <class Draw>
void painted(Bitmap::Impl& impl, const raster::Surface& s, const Rect& clip, int rop2, const Rect& bounds, const Draw& draw)
{
    if (rop2 == R2_NOP)
        return;
    if (rop2 == R2_COPYPEN) {
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
                out[x] = raster::rop2(rop2, in[x], out[x]);
    }
}

// The box of the points grown by the pen width and a pixel each side.
Rect strokeBounds(const std::vector<Point>& pts, int penWidth)
{
    Rect b{pts[0].x, pts[0].y, pts[0].x + 1, pts[0].y + 1};
    for (const Point& p : pts) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x + 1);
        b.bottom = std::max(b.bottom, p.y + 1);
    }
    b.InflateRect(penWidth + 1, penWidth + 1);
    return b;
}

// 1-pixel lines through the points of each run (closed back to its first point when asked); the
// dash pattern runs on across the segments of one run.
void thinLines(const raster::Surface& s, const Rect& clip, const std::vector<Point>& pts, const std::vector<int>& counts,
               bool closed, const raster::LinePen& pen)
{
    std::size_t start = 0;
    for (int count : counts) {
        long long phase = 0;
        for (int i = 0; i + 1 < count; ++i)
            raster::drawLine(s, clip, pts[start + std::size_t(i)], pts[start + std::size_t(i) + 1], pen, phase);
        if (closed && count > 1)
            raster::drawLine(s, clip, pts[start + std::size_t(count) - 1], pts[start], pen, phase);
        start += std::size_t(count);
    }
}

// The kept pixels of a horizontal text, placed as paint::drawText places the text.
void drawMask(const raster::Surface& s, const Rect& deviceClip, const textmask::Mask& mask, const ResolvedFont& f, Point ref,
              const paint::TextStyle& style)
{
    int left = 0;
    switch (style.align & TA_CENTER) {
    case TA_RIGHT: left = -mask.width; break;
    case TA_CENTER: left = -mask.width / 2; break;
    default: break;
    }
    int top = 0;
    switch (style.align & TA_BASELINE) {
    case TA_BOTTOM: top = -f.height; break;
    case TA_BASELINE: top = -f.ascent; break;
    default: break;
    }
    const int x = ref.x + left;
    const int y = ref.y + top;
    if (style.opaque)
        raster::fillRect(s, intersect(Rect{x, y, x + mask.width, y + f.height}, deviceClip), raster::toPixel(style.background), R2_COPYPEN);
    const Rect clip = intersect(deviceClip, Rect{0, 0, s.width, s.height});
    const std::uint32_t ink = raster::toPixel(style.colour);
    for (const textmask::Run& run : mask.runs) {
        const int row = y + run.y;
        if (row < clip.top || row >= clip.bottom)
            continue;
        const int x0 = std::max(x + run.x0, clip.left);
        const int x1 = std::min(x + run.x1, clip.right);
        if (x0 < x1)
            std::fill(s.row(row) + x0, s.row(row) + x1, ink);
    }
}

} // namespace

ImageDc::PenSetup ImageDc::penSetup() const
{
    const DcState& st = state_;
    PenSetup pen;
    pen.on = paint::visiblePen(st.pen);
    pen.width = std::max(toDeviceWidth(st.pen.Width()), 1);
    pen.thin = pen.width <= 1;
    pen.line.style = st.pen.Style();
    pen.line.colour = raster::toPixel(resolve(st.pen.Colour()));
    pen.line.fillGaps = paint::fillsGaps(st);
    pen.line.gapColour = raster::toPixel(resolve(st.bkColour));
    pen.line.rop = st.rop2;
    return pen;
}

std::uint32_t ImageDc::brushPixel() const { return raster::toPixel(resolve(state_.brush.Colour())); }

const std::vector<Point>& ImageDc::devicePoints(const DrawOp& op) const
{
    std::vector<Point>& pts = d_->devicePoints;
    pts.clear();
    for (const Point& p : op.points)
        pts.push_back(toDevice(p));
    return pts;
}

void ImageDc::stroke(const Target& t, const PenSetup& pen, const std::vector<Point>& pts, const std::vector<int>& counts,
                     bool closed)
{
    if (pen.thin) {
        thinLines(t.s, t.clip, pts, counts, closed, pen.line);
        return;
    }
    const QPen qpen = paint::qpen(state_.pen, resolve(state_.pen.Colour()), pen.width);
    painted(t.impl, t.s, t.clip, state_.rop2, strokeBounds(pts, pen.width),
            [&](QPainter& p) { p.strokePath(paint::linePath(pts, counts, closed), qpen); });
}

bool ImageDc::drawLines(const Target& t, const DrawOp& op)
{
    const PenSetup pen = penSetup();
    if (!pen.on)
        return true;
    if (op.kind == DrawOp::LineTo && pen.thin) {
        long long phase = 0;
        raster::drawLine(t.s, t.clip, toDevice(op.points[0]), toDevice(op.points[1]), pen.line, phase);
        return true;
    }
    const std::vector<Point>& pts = devicePoints(op);
    d_->counts.assign(1, int(pts.size()));
    stroke(t, pen, pts, d_->counts, false);
    return true;
}

bool ImageDc::drawPolygons(const Target& t, const DrawOp& op)
{
    const std::vector<Point>& pts = devicePoints(op);
    if (op.kind == DrawOp::Polygon)
        d_->counts.assign(1, int(pts.size()));
    else
        d_->counts.assign(op.counts.begin(), op.counts.end());
    const std::vector<int>& counts = d_->counts;
    if (paint::visibleBrush(state_.brush))
        raster::fillPolygons(t.s, t.clip, pts, counts, state_.polyFillMode == WINDING, brushPixel(), state_.rop2, d_->polygonScratch);
    const PenSetup pen = penSetup();
    if (pen.on)
        stroke(t, pen, pts, counts, true);
    return true;
}

bool ImageDc::drawRectangle(const Target& t, const DrawOp& op)
{
    const Rect r = toDevice(op.rect);
    if (r.IsRectEmpty())
        return true;
    const PenSetup pen = penSetup();
    const bool brushOn = paint::visibleBrush(state_.brush);
    const int rop = state_.rop2;
    if (!pen.on) {
        // Without a pen the fill stops one pixel short on the right and at the bottom.
        if (brushOn)
            raster::fillRect(t.s, intersect(Rect{r.left, r.top, r.right - 1, r.bottom - 1}, t.clip), brushPixel(), rop);
        return true;
    }
    if (brushOn)
        raster::fillRect(t.s, intersect(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, t.clip), brushPixel(), rop);
    if (pen.thin && (r.Width() == 1 || r.Height() == 1)) {
        raster::fillRect(t.s, intersect(r, t.clip), pen.line.colour, rop);
        return true;
    }
    std::vector<Point>& corners = d_->devicePoints;
    corners.assign({{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
    d_->counts.assign(1, 4);
    stroke(t, pen, corners, d_->counts, true);
    return true;
}

// Ellipses and rounded rectangles drawn here, pixel for pixel symmetric and each pixel once (so
// XOR twice restores); false where QPainter has to draw the outline (styled 1-pixel pens).
bool ImageDc::drawRoundedShape(const Target& t, const DrawOp& op)
{
    const PenSetup pen = penSetup();
    if (pen.on && !(pen.thin && state_.pen.Style() == PS_SOLID) && state_.pen.Style() != PS_INSIDEFRAME)
        return false;
    Rect r = toDevice(op.rect);
    if (!pen.on) {
        --r.right;
        --r.bottom;
    }
    const bool ellipse = op.kind == DrawOp::Ellipse;
    const int cw = ellipse ? r.Width() : toDeviceWidth(op.corner.cx);
    const int ch = ellipse ? r.Height() : std::abs(toDeviceHeight(op.corner.cy));
    const bool brushOn = paint::visibleBrush(state_.brush);
    raster::RoundedPaint paint;
    paint.outline = pen.on && pen.thin;
    paint.penColour = pen.line.colour;
    paint.fill = brushOn;
    paint.brushColour = brushPixel();
    paint.rop = state_.rop2;
    if (pen.on && !pen.thin) {
        raster::drawRounded(t.s, t.clip, r, cw, ch, raster::RoundedPaint{false, 0, brushOn, paint.brushColour, state_.rop2});
        const QPainterPath path = paint::shapePath(op.kind, r, Size{cw, ch}, Point{}, Point{});
        const QPen qpen = paint::qpen(state_.pen, resolve(state_.pen.Colour()), pen.width);
        Rect bounds = r;
        bounds.InflateRect(pen.width + 1, pen.width + 1);
        painted(t.impl, t.s, t.clip, state_.rop2, bounds, [&](QPainter& p) { p.strokePath(path, qpen); });
    } else {
        raster::drawRounded(t.s, t.clip, r, cw, ch, paint);
    }
    return true;
}

// Arcs, pies, chords and the curved shapes left to QPainter.
bool ImageDc::drawCurve(const Target& t, const DrawOp& op)
{
    const Rect r = toDevice(op.rect);
    if (r.IsRectEmpty())
        return true;
    const PenSetup pen = penSetup();
    const Point start = op.points.size() == 2 ? toDevice(op.points[0]) : Point{};
    const Point end = op.points.size() == 2 ? toDevice(op.points[1]) : Point{};
    const Size corner{toDeviceWidth(op.corner.cx), std::abs(toDeviceHeight(op.corner.cy))};
    const QPainterPath path = paint::shapePath(op.kind, r, corner, start, end);
    Rect bounds = r;
    bounds.InflateRect(pen.width + 1, pen.width + 1);
    if (paint::visibleBrush(state_.brush) && op.kind != DrawOp::Arc) {
        const QColor fill = paint::qcolor(resolve(state_.brush.Colour()));
        painted(t.impl, t.s, t.clip, state_.rop2, bounds, [&](QPainter& p) { p.fillPath(path, fill); });
    }
    if (pen.on) {
        const QPen qpen = paint::qpen(state_.pen, resolve(state_.pen.Colour()), pen.width);
        const bool fillGaps = pen.line.fillGaps && pen.thin;
        const COLORREF gapColour = resolve(state_.bkColour);
        painted(t.impl, t.s, t.clip, state_.rop2, bounds,
                [&](QPainter& p) { paint::strokeOverGaps(p, path, qpen, fillGaps, gapColour); });
    }
    return true;
}

// The fills that ignore the pen and the binary raster operation.
bool ImageDc::fill(const Target& t, const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::FillRect:
        if (paint::visibleBrush(op.brush))
            raster::fillRect(t.s, intersect(toDevice(op.rect), t.clip), raster::toPixel(resolve(op.brush.Colour())), R2_COPYPEN);
        return true;
    case DrawOp::FillSolidRect:
        raster::fillRect(t.s, intersect(toDevice(op.rect), t.clip), raster::toPixel(resolve(op.colour)), R2_COPYPEN);
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
            raster::fillRect(t.s, intersect(side, t.clip), c, R2_COPYPEN);
        return true;
    }
    case DrawOp::InvertRect:
        raster::fillRect(t.s, intersect(toDevice(op.rect), t.clip), 0, R2_NOT);
        return true;
    default:
        return false;
    }
}

bool ImageDc::blit(const Target& t, const DrawOp& op)
{
    const bool brushOn = paint::visibleBrush(state_.brush);
    if (op.kind == DrawOp::PatBlt) {
        if (raster::rop3UsesPattern(op.rop) && !brushOn)
            return true;
        combine(t.s, t.clip, toDevice(op.rect), nullptr, {}, brushPixel(), op.rop);
        return true;
    }
    const paint::BlitPlan plan = paint::planBlit(*this, op, t.s.pixels);
    if (!plan.valid)
        return false;
    const std::uint32_t rop = (op.kind == DrawOp::SetDIBitsToDevice) ? SRCCOPY : op.rop;
    combine(t.s, t.clip, plan.dest, plan.picture.isNull() ? nullptr : &plan.picture, plan.origin, brushPixel(), rop);
    return true;
}

bool ImageDc::textOut(const Target& t, const DrawOp& op)
{
    const DcState& st = state_;
    const LogFont& lf = st.font.GetLogFont();
    const ResolvedFont& f = resolveFont(lf, toDeviceHeight(lf.lfHeight));
    const paint::TextStyle style = paint::textStyle(st, resolve(st.textColour), resolve(st.bkColour));
    const Point ref = toDevice(op.points[0]);
    if (style.escapement == 0) {
        if (const textmask::Mask* mask = textmask::maskFor(f, op.text)) {
            drawMask(t.s, t.clip, *mask, f, ref, style);
            return true;
        }
    }
    QPainter& p = t.impl.beginPainting();
    paint::prepare(p, t.clip);
    paint::drawText(p, f, QString::fromStdString(op.text), ref, style);
    return true;
}

bool ImageDc::execute(const DrawOp& op)
{
    Bitmap::Impl& impl = *d_->bitmap.impl();
    const raster::Surface s = impl.surface();
    if (!s.pixels)
        return false;
    const Target t{impl, s, deviceClip(Rect{0, 0, s.width, s.height})};

    switch (op.kind) {
    case DrawOp::LineTo:
    case DrawOp::Polyline:
        return drawLines(t, op);
    case DrawOp::Polygon:
    case DrawOp::PolyPolygon:
        return drawPolygons(t, op);
    case DrawOp::Rectangle:
        return drawRectangle(t, op);
    case DrawOp::Ellipse:
    case DrawOp::RoundRect:
        return drawRoundedShape(t, op) || drawCurve(t, op);
    case DrawOp::Arc:
    case DrawOp::Pie:
    case DrawOp::Chord:
        return drawCurve(t, op);
    case DrawOp::FillRect:
    case DrawOp::FillSolidRect:
    case DrawOp::FrameRect:
    case DrawOp::InvertRect:
        return fill(t, op);
    case DrawOp::PatBlt:
    case DrawOp::BitBlt:
    case DrawOp::StretchBlt:
    case DrawOp::SetDIBitsToDevice:
    case DrawOp::StretchDIBits:
        return blit(t, op);
    case DrawOp::SetPixel: {
        const Point p = toDevice(op.points[0]);
        if (!t.clip.PtInRect(p))
            return false;
        s.row(p.y)[p.x] = raster::toPixel(resolve(op.colour));
        return true;
    }
    case DrawOp::TextOut:
        return textOut(t, op);
    case DrawOp::Draw3dRect:
    case DrawOp::DrawEdge:
    case DrawOp::DrawFrameControl:
        for (const auto& [r, colour] : frames::forCall(op))
            raster::fillRect(s, intersect(toDevice(r), t.clip), raster::toPixel(resolve(colour)), R2_COPYPEN);
        return true;
    }
    return false;
}

} // namespace vd
