#include "platform/dc/Raster.h"

#include "platform/dc/GdiConstants.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace vd::raster {
namespace {

std::vector<bool> makePattern(std::initializer_list<int> lengths)
{
    std::vector<bool> on;
    bool draw = true;
    for (int n : lengths) {
        on.insert(on.end(), std::size_t(n), draw);
        draw = !draw;
    }
    return on;
}

long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}


long long floorDiv128(__int128 a, long long b)
{
    // Nearly always both fit in 64 bits, where dividing is several times cheaper.
    constexpr __int128 kLimit = __int128(1) << 62;
    if (a > -kLimit && a < kLimit) {
        const long long q = floorDiv((long long)a, b);
        return std::clamp(q, -(1LL << 62), 1LL << 62);
    }
    __int128 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    if (q > (__int128)(1LL << 62)) return 1LL << 62;
    if (q < -(__int128)(1LL << 62)) return -(1LL << 62);
    return (long long)q;
}

// Pixels [0, n) of the row set to the colour, four at a store.
inline void setPixels(std::uint32_t* out, std::size_t n, std::uint32_t colour)
{
    using Four = std::uint32_t __attribute__((vector_size(16)));
    const Four four = {colour, colour, colour, colour};
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4)
        std::memcpy(out + i, &four, sizeof four);
    for (; i < n; ++i)
        out[i] = colour;
}

// One step of a line along its major axis: the minor offset q and its remainder r, kept in
// (-2 steps, 0].
inline void advanceMinor(long long& q, long long& r, long long minorDelta, long long twoSteps)
{
    r += 2 * minorDelta;
    if (r > 0) {
        ++q;
        r -= twoSteps;
    } else if (r <= -twoSteps) {
        --q;
        r += twoSteps;
    }
}

inline void plot(const Surface& s, int x, int y, std::uint32_t colour, int rop)
{
    std::uint32_t& d = s.row(y)[x];
    d = rop == R2_COPYPEN ? colour : rop2(rop, colour, d);
}

} // namespace

const std::vector<bool>& dashPattern(int style)
{
    static const std::vector<bool> solid{true};
    static const std::vector<bool> dash = makePattern({18, 6});
    static const std::vector<bool> dot = makePattern({3, 3});
    static const std::vector<bool> dashDot = makePattern({9, 6, 3, 6});
    static const std::vector<bool> dashDotDot = makePattern({9, 3, 3, 3, 3, 3});
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    case PS_DASHDOTDOT: return dashDotDot;
    default: return solid;
    }
}

void drawLine(const Surface& s, const Rect& clipIn, Point a, Point b, const LinePen& pen, long long& phase)
{
    const long long dxs = (long long)b.x - a.x;
    const long long dys = (long long)b.y - a.y;
    const long long adx = std::llabs(dxs);
    const long long ady = std::llabs(dys);
    const long long steps = std::max(adx, ady); // pixels drawn: the end pixel is left out
    if (steps == 0)
        return;
    const Rect clip{std::max(clipIn.left, 0), std::max(clipIn.top, 0), std::min(clipIn.right, s.width), std::min(clipIn.bottom, s.height)};
    const long long startPhase = phase;
    phase += steps;
    if (clip.IsRectEmpty())
        return;

    // Along the major axis one pixel a step; the minor coordinate is the exact one rounded to
    // the nearest pixel, a tie going to the smaller coordinate (so a line and its reverse cover
    // the same pixels).
    const bool xMajor = adx >= ady;
    const long long major0 = xMajor ? a.x : a.y;
    const long long minor0 = xMajor ? a.y : a.x;
    const int majorStep = (xMajor ? dxs : dys) < 0 ? -1 : 1;
    const long long minorDelta = xMajor ? dys : dxs;
    const long long majorLo = xMajor ? clip.left : clip.top;
    const long long majorHi = xMajor ? clip.right : clip.bottom; // exclusive
    const long long minorLo = xMajor ? clip.top : clip.left;
    const long long minorHi = xMajor ? clip.bottom : clip.right;

    // Both ends inside the clip: so is every pixel between them (each lies in their box).
    const auto within = [&clip](Point p) { return p.x >= clip.left && p.x < clip.right && p.y >= clip.top && p.y < clip.bottom; };
    const bool inside = within(a) && within(b);

    const long long twoSteps = 2 * steps;
    const bool dashed = pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT;
    if (inside && !dashed && pen.rop == R2_COPYPEN) {
        // The common case, without the clip and pattern checks of each pixel; the same steps as
        // below from k = 0 (q = 0, r = -steps).
        long long q = 0;
        long long r = -steps;
        long long major = major0;
        for (long long k = 0; k < steps; ++k) {
            const long long minor = minor0 + q;
            const int x = int(xMajor ? major : minor);
            const int y = int(xMajor ? minor : major);
            s.row(y)[x] = pen.colour;
            major += majorStep;
            advanceMinor(q, r, minorDelta, twoSteps);
        }
        return;
    }

    // Steps whose major coordinate lies inside the clip.
    long long k0, k1; // inclusive range
    if (majorStep > 0) {
        k0 = majorLo - major0;
        k1 = majorHi - 1 - major0;
    } else {
        k0 = major0 - (majorHi - 1);
        k1 = major0 - majorLo;
    }
    k0 = std::max(k0, 0LL);
    k1 = std::min(k1, steps - 1);
    // Narrow by the minor axis as well (generously; every pixel is checked again below).
    if (minorDelta != 0 && k0 <= k1) {
        const long long lo = minorLo - minor0;
        const long long hi = minorHi - minor0;
        const long long kA = floorDiv128((__int128(2) * lo - 1) * steps, 2 * minorDelta);
        const long long kB = floorDiv128((__int128(2) * hi + 1) * steps, 2 * minorDelta);
        k0 = std::max(k0, std::min(kA, kB) - 2);
        k1 = std::min(k1, std::max(kA, kB) + 2);
    } else if (minorDelta == 0 && (minor0 < minorLo || minor0 >= minorHi)) {
        return;
    }
    if (k0 > k1)
        return;

    const std::vector<bool>& pattern = dashPattern(pen.style);
    const long long period = (long long)pattern.size();
    const bool solid = period == 1;
    // minor offset at step k: ceil((2 k minorDelta - steps) / (2 steps)); kept as q and the
    // remainder r in (-2 steps, 0].
    const __int128 num = __int128(2) * k0 * minorDelta - steps;
    long long q = -floorDiv128(-num, twoSteps);
    long long r = (long long)(num - __int128(q) * twoSteps);
    long long p = solid ? 0 : (startPhase + k0) % period;
    long long major = major0 + majorStep * k0;
    for (long long k = k0; k <= k1; ++k) {
        const long long minor = minor0 + q;
        if (minor >= minorLo && minor < minorHi) {
            const int x = int(xMajor ? major : minor);
            const int y = int(xMajor ? minor : major);
            if (solid || pattern[std::size_t(p)])
                plot(s, x, y, pen.colour, pen.rop);
            else if (pen.fillGaps)
                plot(s, x, y, pen.gapColour, pen.rop);
        }
        major += majorStep;
        if (++p == period)
            p = 0;
        advanceMinor(q, r, minorDelta, twoSteps);
    }
}

void fillSpan(const Surface& s, int y, int x0, int x1, std::uint32_t colour, int rop)
{
    if (y < 0 || y >= s.height)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, s.width);
    if (x0 >= x1)
        return;
    std::uint32_t* row = s.row(y);
    if (rop == R2_COPYPEN) {
        setPixels(row + x0, std::size_t(x1 - x0), colour);
        return;
    }
    if (rop == R2_NOP)
        return;
    for (int x = x0; x < x1; ++x)
        row[x] = rop2(rop, colour, row[x]);
}

void fillRect(const Surface& s, const Rect& r, std::uint32_t colour, int rop)
{
    const int top = std::max(r.top, 0);
    const int bottom = std::min(r.bottom, s.height);
    for (int y = top; y < bottom; ++y)
        fillSpan(s, y, r.left, r.right, colour, rop);
}

void fillPolygons(const Surface& s, const Rect& clipIn, const std::vector<Point>& points,
                  const std::vector<int>& counts, bool winding, std::uint32_t colour, int rop,
                  PolygonScratch& scratch)
{
    const Rect clip{std::max(clipIn.left, 0), std::max(clipIn.top, 0), std::min(clipIn.right, s.width), std::min(clipIn.bottom, s.height)};
    if (clip.IsRectEmpty() || rop == R2_NOP)
        return;
    std::vector<PolygonScratch::Edge>& edges = scratch.edges;
    edges.clear();
    std::size_t start = 0;
    for (int count : counts) {
        for (int i = 0; i < count; ++i) {
            const Point& a = points[start + std::size_t(i)];
            const Point& b = points[start + std::size_t((i + 1) % count)];
            if (a.y == b.y)
                continue;
            const bool down = a.y < b.y;
            const Point& top = down ? a : b;
            const Point& bottom = down ? b : a;
            PolygonScratch::Edge e;
            e.yTop = top.y;
            e.yBottom = bottom.y;
            e.x0 = top.x;
            e.dx = (long long)bottom.x - top.x;
            e.dy = (long long)bottom.y - top.y;
            e.direction = down ? 1 : -1;
            edges.push_back(e);
        }
        start += std::size_t(count);
    }
    if (edges.empty())
        return;
    std::sort(edges.begin(), edges.end(), [](const auto& l, const auto& r) { return l.yTop < r.yTop; });
    long long yMin = edges.front().yTop;
    long long yMax = yMin;
    for (const auto& e : edges)
        yMax = std::max(yMax, e.yBottom);
    yMin = std::max<long long>(yMin, clip.top);
    yMax = std::min<long long>(yMax, clip.bottom);

    // Each active edge keeps x(y) = ceil((x0 dy + (y - yTop) dx) / dy) as q with the remainder
    // r in (-dy, 0], stepped by whole rows without dividing.
    std::vector<PolygonScratch::Edge*>& active = scratch.active;
    std::vector<std::pair<long long, int>>& crossings = scratch.crossings;
    active.clear();
    std::size_t next = 0;
    const auto enter = [&](PolygonScratch::Edge& e, long long y) {
        const __int128 num = __int128(e.x0) * e.dy + __int128(y - e.yTop) * e.dx;
        e.q = -floorDiv128(-num, e.dy);
        e.r = (long long)(num - __int128(e.q) * e.dy);
        e.stepQ = floorDiv(e.dx, e.dy);
        e.stepR = e.dx - e.stepQ * e.dy;
        active.push_back(&e);
    };
    for (long long y = yMin; y < yMax; ++y) {
        while (next < edges.size() && edges[next].yTop <= y) {
            if (edges[next].yBottom > y)
                enter(edges[next], y);
            ++next;
        }
        std::erase_if(active, [y](const PolygonScratch::Edge* e) { return e->yBottom <= y; });
        crossings.clear();
        for (PolygonScratch::Edge* e : active) {
            crossings.emplace_back(e->q, e->direction);
            e->q += e->stepQ;
            e->r += e->stepR;
            if (e->r > 0) {
                ++e->q;
                e->r -= e->dy;
            }
        }
        if (crossings.size() == 2) {
            if (crossings[0].first > crossings[1].first)
                std::swap(crossings[0], crossings[1]);
        } else {
            std::sort(crossings.begin(), crossings.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
        }
        const int yi = int(y);
        int wind = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            if (winding) {
                wind += crossings[i].second;
                if (wind == 0)
                    continue;
            } else if (i % 2 == 1) {
                continue;
            }
            const long long x0 = std::max<long long>(crossings[i].first, clip.left);
            const long long x1 = std::min<long long>(crossings[i + 1].first, clip.right);
            if (x0 < x1)
                fillSpan(s, yi, int(x0), int(x1), colour, rop);
        }
    }
}

namespace {

struct Span {
    int left = 1;
    int right = 0; // inclusive; left > right: empty
};

// The span of row y of the rounded shape.
Span roundedSpan(const Rect& box, double rx, double ry, int y)
{
    if (y < box.top || y >= box.bottom)
        return {};
    const double cy = y + 0.5;
    double dy = 0;
    if (cy < box.top + ry)
        dy = box.top + ry - cy;
    else if (cy > box.bottom - ry)
        dy = cy - (box.bottom - ry);
    double x = rx;
    if (dy > 0) {
        const double t = 1.0 - (dy / ry) * (dy / ry);
        if (t < 0)
            return {};
        x = rx * std::sqrt(t);
    }
    // Pixel centres from (left + rx - x) to (right - rx + x).
    Span span;
    span.left = int(std::ceil(box.left + rx - x - 0.5));
    span.right = int(std::floor(box.right - rx + x - 0.5));
    return span;
}

void run(const Surface& s, const Rect& clip, int y, int x0, int x1, std::uint32_t colour, int rop)
{
    if (x0 > x1 || y < clip.top || y >= clip.bottom)
        return;
    fillSpan(s, y, std::max(x0, clip.left), std::min(x1 + 1, clip.right), colour, rop);
}

} // namespace

void drawRounded(const Surface& s, const Rect& clipIn, const Rect& box, int cornerWidth, int cornerHeight, const RoundedPaint& paint)
{
    const Rect clip{std::max(clipIn.left, 0), std::max(clipIn.top, 0), std::min(clipIn.right, s.width), std::min(clipIn.bottom, s.height)};
    if (box.IsRectEmpty() || clip.IsRectEmpty() || paint.rop == R2_NOP)
        return;
    const double rx = std::min(std::abs(cornerWidth), box.Width()) / 2.0;
    const double ry = std::min(std::abs(cornerHeight), box.Height()) / 2.0;
    if (rx <= 0 || ry <= 0) {
        // No corner: a plain rectangle.
        Span full{box.left, box.right - 1};
        for (int y = std::max(box.top, clip.top); y < std::min(box.bottom, clip.bottom); ++y) {
            const bool edgeRow = y == box.top || y == box.bottom - 1;
            if (paint.outline && edgeRow) {
                run(s, clip, y, full.left, full.right, paint.penColour, paint.rop);
                continue;
            }
            if (paint.outline) {
                run(s, clip, y, full.left, full.left, paint.penColour, paint.rop);
                run(s, clip, y, full.right, full.right, paint.penColour, paint.rop);
                if (paint.fill)
                    run(s, clip, y, full.left + 1, full.right - 1, paint.brushColour, paint.rop);
            } else if (paint.fill) {
                run(s, clip, y, full.left, full.right, paint.brushColour, paint.rop);
            }
        }
        return;
    }
    const int yFrom = std::max(box.top, clip.top);
    const int yTo = std::min(box.bottom, clip.bottom);
    Span above = roundedSpan(box, rx, ry, yFrom - 1);
    Span here = roundedSpan(box, rx, ry, yFrom);
    for (int y = yFrom; y < yTo; ++y) {
        const Span below = roundedSpan(box, rx, ry, y + 1);
        if (here.left <= here.right) {
            if (!paint.outline) {
                if (paint.fill)
                    run(s, clip, y, here.left, here.right, paint.brushColour, paint.rop);
            } else {
                // Inside: pixels whose four neighbours all belong to the shape.
                int inLeft = here.left + 1;
                int inRight = here.right - 1;
                if (above.left > above.right || below.left > below.right) {
                    inLeft = here.right + 1;
                    inRight = here.right;
                } else {
                    inLeft = std::max({inLeft, above.left, below.left});
                    inRight = std::min({inRight, above.right, below.right});
                }
                if (inLeft > inRight) {
                    run(s, clip, y, here.left, here.right, paint.penColour, paint.rop);
                } else {
                    run(s, clip, y, here.left, inLeft - 1, paint.penColour, paint.rop);
                    if (paint.fill)
                        run(s, clip, y, inLeft, inRight, paint.brushColour, paint.rop);
                    run(s, clip, y, inRight + 1, here.right, paint.penColour, paint.rop);
                }
            }
        }
        above = here;
        here = below;
    }
}

} // namespace vd::raster
