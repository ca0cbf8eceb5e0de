#include "platform/dc/Dc.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace vd {

namespace {

// Selecting a null object changes nothing and returns a null one.
template <class Object>
Object replaceSelected(Object& selected, const Object& object)
{
    if (object.IsNull())
        return Object();
    return std::exchange(selected, object);
}

// A new window or viewport extent: taken only in the two scalable mapping modes, and never with a
// side of 0.
bool takeExtent(int mapMode, Size& extent, int cx, int cy)
{
    if ((mapMode != MM_ISOTROPIC && mapMode != MM_ANISOTROPIC) || cx == 0 || cy == 0)
        return false;
    extent = {cx, cy};
    return true;
}

// The DrawOp of a line, pixel, polygon or text call, kept from call to call so that its lists
// keep their memory: once drawing has started these calls allocate nothing. One op for the
// process, taken by a flag (cheaper than a thread-local in a shared library); a call made while
// it is taken, by another thread or from within a call, gets an op of its own.
class ReusedOp {
public:
    explicit ReusedOp(DrawOp::Kind kind)
    {
        Slot& slot = shared();
        if (slot.busy.exchange(true, std::memory_order_acquire)) {
            local_.emplace();
            local_->kind = kind;
            return;
        }
        slot_ = &slot;
        reset(slot.op, kind);
    }
    ~ReusedOp()
    {
        if (slot_)
            slot_->busy.store(false, std::memory_order_release);
    }
    ReusedOp(const ReusedOp&) = delete;
    ReusedOp& operator=(const ReusedOp&) = delete;
    DrawOp& get() { return slot_ ? slot_->op : *local_; }

private:
    // A fresh op of the kind, field by field: the lists keep their memory, and the brush (which
    // these calls never set) is let go only when an earlier call left one.
    static void reset(DrawOp& op, DrawOp::Kind kind)
    {
        static const DrawOp blank;
        op.kind = kind;
        op.points.clear();
        op.counts.clear();
        op.text.clear();
        op.rect = blank.rect;
        op.corner = blank.corner;
        op.colour = blank.colour;
        op.colour2 = blank.colour2;
        if (!op.brush.IsNull())
            op.brush = blank.brush;
        op.rop = blank.rop;
        op.flags = blank.flags;
        op.flags2 = blank.flags2;
        op.source = blank.source;
        op.sourceDc = blank.sourceDc;
        op.dib = blank.dib;
        op.startScan = blank.startScan;
        op.scanLines = blank.scanLines;
    }
    struct Slot {
        DrawOp op;
        std::atomic<bool> busy{false};
    };
    static Slot& shared()
    {
        static Slot* const slot = new Slot; // never destroyed: drawing may go on during exit
        return *slot;
    }
    Slot* slot_ = nullptr;
    std::optional<DrawOp> local_;
};

} // namespace

Dc::Dc() = default;
Dc::~Dc() = default;

Pen Dc::SelectObject(const Pen& pen) { return replaceSelected(state_.pen, pen); }
Brush Dc::SelectObject(const Brush& brush) { return replaceSelected(state_.brush, brush); }
Font Dc::SelectObject(const Font& font) { return replaceSelected(state_.font, font); }
Bitmap Dc::SelectObject(const Bitmap&) { return Bitmap(); }

Palette Dc::SelectPalette(const Palette& palette, bool) { return replaceSelected(state_.palette, palette); }

int Dc::RealizePalette() { return 0; } // true colour: no system palette entries change

COLORREF Dc::SetTextColor(COLORREF colour) { return std::exchange(state_.textColour, colour); }
COLORREF Dc::SetBkColor(COLORREF colour) { return std::exchange(state_.bkColour, colour); }

int Dc::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(state_.bkMode, mode);
}

int Dc::SetROP2(int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return std::exchange(state_.rop2, mode);
}

int Dc::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(state_.polyFillMode, mode);
}

unsigned Dc::SetTextAlign(unsigned align) { return std::exchange(state_.textAlign, align); }

int Dc::SetStretchBltMode(int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return std::exchange(state_.stretchMode, mode);
}

int Dc::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int old = std::exchange(state_.mapMode, mode);
    // The fixed modes: logical units of 0.1 mm, 0.01 mm, 0.01 in, 0.001 in and 1/1440 in, y upwards.
    const int dpiX = GetDeviceCaps(LOGPIXELSX);
    const int dpiY = GetDeviceCaps(LOGPIXELSY);
    switch (mode) {
    case MM_TEXT:
        state_.windowExt = {1, 1};
        state_.viewportExt = {1, 1};
        break;
    case MM_LOMETRIC:
        state_.windowExt = {254, 254};
        state_.viewportExt = {dpiX, -dpiY};
        break;
    case MM_HIMETRIC:
        state_.windowExt = {2540, 2540};
        state_.viewportExt = {dpiX, -dpiY};
        break;
    case MM_LOENGLISH:
        state_.windowExt = {100, 100};
        state_.viewportExt = {dpiX, -dpiY};
        break;
    case MM_HIENGLISH:
        state_.windowExt = {1000, 1000};
        state_.viewportExt = {dpiX, -dpiY};
        break;
    case MM_TWIPS:
        state_.windowExt = {1440, 1440};
        state_.viewportExt = {dpiX, -dpiY};
        break;
    case MM_ISOTROPIC:
        fitIsotropic();
        break;
    default:
        break;
    }
    return old;
}

Size Dc::SetWindowExt(int cx, int cy)
{
    const Size old = state_.windowExt;
    if (takeExtent(state_.mapMode, state_.windowExt, cx, cy) && state_.mapMode == MM_ISOTROPIC)
        fitIsotropic();
    return old;
}

Size Dc::SetViewportExt(int cx, int cy)
{
    const Size old = state_.viewportExt;
    if (takeExtent(state_.mapMode, state_.viewportExt, cx, cy) && state_.mapMode == MM_ISOTROPIC)
        fitIsotropic();
    return old;
}

// Isotropic: the viewport extent shrinks along one axis so that a logical unit is as long in x
// as in y, keeping the signs asked for.
void Dc::fitIsotropic()
{
    Size& w = state_.windowExt;
    Size& v = state_.viewportExt;
    const double sx = std::abs(double(v.cx) / w.cx);
    const double sy = std::abs(double(v.cy) / w.cy);
    if (sx < sy) {
        const int cy = int(std::lround(sx * std::abs(w.cy)));
        v.cy = (v.cy < 0 ? -1 : 1) * std::max(cy, 1);
    } else if (sy < sx) {
        const int cx = int(std::lround(sy * std::abs(w.cx)));
        v.cx = (v.cx < 0 ? -1 : 1) * std::max(cx, 1);
    }
}

Point Dc::SetWindowOrg(int x, int y) { return std::exchange(state_.windowOrg, Point{x, y}); }
Point Dc::SetViewportOrg(int x, int y) { return std::exchange(state_.viewportOrg, Point{x, y}); }

Point Dc::OffsetViewportOrg(int dx, int dy)
{
    const Point old = state_.viewportOrg;
    state_.viewportOrg = {old.x + dx, old.y + dy};
    return old;
}

Point Dc::OffsetWindowOrg(int dx, int dy)
{
    const Point old = state_.windowOrg;
    state_.windowOrg = {old.x + dx, old.y + dy};
    return old;
}

namespace {

// a * num / den rounded to the nearest integer, halves away from zero.
long long scaleRounded(long long a, long long num, long long den)
{
    long long n = a * num;
    if (den < 0) {
        n = -n;
        den = -den;
    }
    return n >= 0 ? (2 * n + den) / (2 * den) : -((-2 * n + den) / (2 * den));
}

int clampInt(long long v) { return int(std::clamp<long long>(v, -(1LL << 30), 1LL << 30)); }

} // namespace

Point Dc::LPtoDP(Point p) const
{
    const DcState& s = state_;
    if (s.mapMode == MM_TEXT)
        return {clampInt((long long)p.x - s.windowOrg.x + s.viewportOrg.x), clampInt((long long)p.y - s.windowOrg.y + s.viewportOrg.y)};
    return {clampInt(scaleRounded((long long)p.x - s.windowOrg.x, s.viewportExt.cx, s.windowExt.cx) + s.viewportOrg.x),
            clampInt(scaleRounded((long long)p.y - s.windowOrg.y, s.viewportExt.cy, s.windowExt.cy) + s.viewportOrg.y)};
}

Point Dc::DPtoLP(Point p) const
{
    const DcState& s = state_;
    if (s.mapMode == MM_TEXT)
        return {clampInt((long long)p.x - s.viewportOrg.x + s.windowOrg.x), clampInt((long long)p.y - s.viewportOrg.y + s.windowOrg.y)};
    return {clampInt(scaleRounded((long long)p.x - s.viewportOrg.x, s.windowExt.cx, s.viewportExt.cx) + s.windowOrg.x),
            clampInt(scaleRounded((long long)p.y - s.viewportOrg.y, s.windowExt.cy, s.viewportExt.cy) + s.windowOrg.y)};
}

Rect Dc::LPtoDP(const Rect& r) const
{
    const Point a = LPtoDP(Point{r.left, r.top});
    const Point b = LPtoDP(Point{r.right, r.bottom});
    Rect d{a.x, a.y, b.x, b.y};
    d.NormalizeRect();
    return d;
}

int Dc::toDeviceWidth(int logical) const
{
    if (state_.mapMode == MM_TEXT)
        return logical;
    return int(std::llabs(scaleRounded(logical, state_.viewportExt.cx, state_.windowExt.cx)));
}

int Dc::toDeviceHeight(int logical) const
{
    if (state_.mapMode == MM_TEXT)
        return logical;
    const long long d = scaleRounded(logical, state_.viewportExt.cy, state_.windowExt.cy);
    return int(logical < 0 ? -std::llabs(d) : std::llabs(d));
}

Size Dc::toLogicalSize(Size device) const
{
    if (state_.mapMode == MM_TEXT)
        return device;
    return {int(std::llabs(scaleRounded(device.cx, state_.windowExt.cx, state_.viewportExt.cx))),
            int(std::llabs(scaleRounded(device.cy, state_.windowExt.cy, state_.viewportExt.cy)))};
}

Bitmap Dc::GetSurface() const { return Bitmap(); }

Rect Dc::deviceClip(const Rect& bounds) const
{
    Rect r = bounds;
    if (state_.clipped) {
        r.left = std::max(r.left, state_.clip.left);
        r.top = std::max(r.top, state_.clip.top);
        r.right = std::min(r.right, state_.clip.right);
        r.bottom = std::min(r.bottom, state_.clip.bottom);
    }
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

int Dc::IntersectClipRect(int left, int top, int right, int bottom)
{
    Rect d = LPtoDP(Rect{left, top, right, bottom});
    if (state_.clipped) {
        d.left = std::max(d.left, state_.clip.left);
        d.top = std::max(d.top, state_.clip.top);
        d.right = std::min(d.right, state_.clip.right);
        d.bottom = std::min(d.bottom, state_.clip.bottom);
    }
    if (d.IsRectEmpty())
        d = Rect{};
    state_.clipped = true;
    state_.clip = d;
    return d.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int Dc::SelectClipRect(const Rect* r)
{
    if (!r) {
        state_.clipped = false;
        return SIMPLEREGION;
    }
    state_.clipped = false;
    return IntersectClipRect(*r);
}

int Dc::GetClipBox(Rect& box) const
{
    Rect d = state_.clipped ? state_.clip : Rect{0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
    const Point a = DPtoLP(Point{d.left, d.top});
    const Point b = DPtoLP(Point{d.right, d.bottom});
    box = Rect{a.x, a.y, b.x, b.y};
    box.NormalizeRect();
    return d.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int Dc::SaveDC()
{
    saved_.push_back(state_);
    return int(saved_.size());
}

bool Dc::RestoreDC(int saved)
{
    const int level = saved < 0 ? int(saved_.size()) + 1 + saved : saved;
    if (level <= 0 || level > int(saved_.size()))
        return false;
    state_ = saved_[std::size_t(level - 1)];
    saved_.resize(std::size_t(level - 1));
    return true;
}

Point Dc::MoveTo(int x, int y) { return std::exchange(state_.position, Point{x, y}); }

bool Dc::LineTo(int x, int y)
{
    ReusedOp reused(DrawOp::LineTo);
    DrawOp& op = reused.get();
    op.points.push_back(state_.position);
    op.points.push_back(Point{x, y});
    const bool ok = execute(op);
    state_.position = {x, y};
    return ok;
}

bool Dc::Polyline(const Point* points, int count)
{
    if (!points || count < 2)
        return false;
    ReusedOp reused(DrawOp::Polyline);
    DrawOp& op = reused.get();
    op.points.assign(points, points + count);
    return execute(op);
}

bool Dc::Polygon(const Point* points, int count)
{
    if (!points || count < 2)
        return false;
    ReusedOp reused(DrawOp::Polygon);
    DrawOp& op = reused.get();
    op.points.assign(points, points + count);
    return execute(op);
}

bool Dc::PolyPolygon(const Point* points, const int* counts, int polygons)
{
    if (!points || !counts || polygons <= 0)
        return false;
    ReusedOp reused(DrawOp::PolyPolygon);
    DrawOp& op = reused.get();
    int total = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 2)
            return false;
        op.counts.push_back(counts[i]);
        total += counts[i];
    }
    op.points.assign(points, points + total);
    return execute(op);
}

namespace {
DrawOp shapeOp(DrawOp::Kind kind, int left, int top, int right, int bottom)
{
    DrawOp op;
    op.kind = kind;
    op.rect = Rect{left, top, right, bottom};
    return op;
}
} // namespace

bool Dc::Rectangle(int left, int top, int right, int bottom) { return execute(shapeOp(DrawOp::Rectangle, left, top, right, bottom)); }
bool Dc::Ellipse(int left, int top, int right, int bottom) { return execute(shapeOp(DrawOp::Ellipse, left, top, right, bottom)); }

bool Dc::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    DrawOp op = shapeOp(DrawOp::RoundRect, left, top, right, bottom);
    op.corner = {cornerWidth, cornerHeight};
    return execute(op);
}

bool Dc::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    DrawOp op = shapeOp(DrawOp::Arc, left, top, right, bottom);
    op.points = {Point{x3, y3}, Point{x4, y4}};
    return execute(op);
}

bool Dc::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    DrawOp op = shapeOp(DrawOp::Pie, left, top, right, bottom);
    op.points = {Point{x3, y3}, Point{x4, y4}};
    return execute(op);
}

bool Dc::Chord(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    DrawOp op = shapeOp(DrawOp::Chord, left, top, right, bottom);
    op.points = {Point{x3, y3}, Point{x4, y4}};
    return execute(op);
}

void Dc::FillRect(const Rect& r, const Brush& brush)
{
    DrawOp op = shapeOp(DrawOp::FillRect, r.left, r.top, r.right, r.bottom);
    op.brush = brush;
    execute(op);
}

void Dc::FillSolidRect(const Rect& r, COLORREF colour)
{
    state_.bkColour = colour;
    DrawOp op = shapeOp(DrawOp::FillSolidRect, r.left, r.top, r.right, r.bottom);
    op.colour = colour;
    execute(op);
}

void Dc::FrameRect(const Rect& r, const Brush& brush)
{
    DrawOp op = shapeOp(DrawOp::FrameRect, r.left, r.top, r.right, r.bottom);
    op.brush = brush;
    execute(op);
}

void Dc::InvertRect(const Rect& r) { execute(shapeOp(DrawOp::InvertRect, r.left, r.top, r.right, r.bottom)); }

bool Dc::PatBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    DrawOp op = shapeOp(DrawOp::PatBlt, x, y, x + width, y + height);
    op.rop = rop;
    return execute(op);
}

COLORREF Dc::SetPixel(int x, int y, COLORREF colour)
{
    ReusedOp reused(DrawOp::SetPixel);
    DrawOp& op = reused.get();
    op.points.push_back(Point{x, y});
    op.colour = colour;
    if (!execute(op))
        return CLR_INVALID;
    return resolve(colour);
}

COLORREF Dc::GetPixel(int, int) const { return CLR_INVALID; }

bool Dc::TextOut(int x, int y, std::string_view text)
{
    const bool updateCp = (state_.textAlign & TA_UPDATECP) != 0;
    ReusedOp reused(DrawOp::TextOut);
    DrawOp& op = reused.get();
    op.points.push_back(updateCp ? state_.position : Point{x, y});
    op.text.assign(text);
    const bool ok = execute(op);
    if (updateCp) {
        // The current position moves along the text's advance (in logical units).
        const Size extent = GetTextExtent(text);
        const unsigned horizontal = state_.textAlign & TA_CENTER;
        if (horizontal == TA_LEFT)
            state_.position.x += extent.cx;
        else if (horizontal == TA_RIGHT)
            state_.position.x -= extent.cx;
    }
    return ok;
}

bool Dc::BitBlt(int x, int y, int width, int height, const Dc* source, int xSrc, int ySrc, std::uint32_t rop)
{
    DrawOp op = shapeOp(DrawOp::BitBlt, x, y, x + width, y + height);
    op.sourceDc = source;
    op.source = Rect{xSrc, ySrc, xSrc + width, ySrc + height};
    op.rop = rop;
    return execute(op);
}

bool Dc::StretchBlt(int x, int y, int width, int height, const Dc* source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, std::uint32_t rop)
{
    DrawOp op = shapeOp(DrawOp::StretchBlt, x, y, x + width, y + height);
    op.sourceDc = source;
    op.source = Rect{xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight};
    op.rop = rop;
    return execute(op);
}

int Dc::SetDIBitsToDevice(int x, int y, int width, int height, int xSrc, int ySrc, int startScan,
                          int scanLines, const Dib& dib, unsigned usage)
{
    if (dib.IsNull() || width <= 0 || height <= 0)
        return 0;
    DrawOp op = shapeOp(DrawOp::SetDIBitsToDevice, x, y, x + width, y + height);
    op.source = Rect{xSrc, ySrc, xSrc + width, ySrc + height};
    op.dib = &dib;
    op.flags = usage;
    op.startScan = startScan;
    op.scanLines = scanLines;
    if (!execute(op))
        return 0;
    return std::clamp(scanLines, 0, std::max(0, dib.AbsHeight() - startScan));
}

int Dc::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, const Dib& dib, unsigned usage, std::uint32_t rop)
{
    if (dib.IsNull())
        return 0;
    DrawOp op = shapeOp(DrawOp::StretchDIBits, x, y, x + width, y + height);
    op.source = Rect{xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight};
    op.dib = &dib;
    op.flags = usage;
    op.rop = rop;
    if (!execute(op))
        return 0;
    return std::abs(srcHeight);
}

void Dc::Draw3dRect(const Rect& r, COLORREF topLeft, COLORREF bottomRight)
{
    DrawOp op = shapeOp(DrawOp::Draw3dRect, r.left, r.top, r.right, r.bottom);
    op.colour = topLeft;
    op.colour2 = bottomRight;
    execute(op);
    state_.bkColour = bottomRight;
}

bool Dc::DrawEdge(Rect& r, unsigned edge, unsigned flags)
{
    DrawOp op = shapeOp(DrawOp::DrawEdge, r.left, r.top, r.right, r.bottom);
    op.flags = edge;
    op.flags2 = flags;
    const bool ok = execute(op);
    if (ok && (flags & BF_ADJUST)) {
        // Each edge is two pixels: one for the outer and one for the inner border.
        const int w = ((edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) ? 1 : 0) + ((edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) ? 1 : 0);
        if (flags & BF_LEFT) r.left += w;
        if (flags & BF_TOP) r.top += w;
        if (flags & BF_RIGHT) r.right -= w;
        if (flags & BF_BOTTOM) r.bottom -= w;
    }
    return ok;
}

bool Dc::DrawFrameControl(Rect& r, unsigned type, unsigned state)
{
    if (type != DFC_BUTTON)
        return false;
    DrawOp op = shapeOp(DrawOp::DrawFrameControl, r.left, r.top, r.right, r.bottom);
    op.flags = type;
    op.flags2 = state;
    return execute(op);
}

COLORREF Dc::resolve(COLORREF colour) const
{
    const std::uint32_t kind = colour >> 24;
    if (kind == 1) {
        const auto& entries = state_.palette.Entries();
        const std::size_t i = colour & 0xFFFF;
        if (i < entries.size())
            return RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
        return entries.empty() ? 0 : RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue);
    }
    return colour & 0x00FFFFFFu;
}

} // namespace vd
