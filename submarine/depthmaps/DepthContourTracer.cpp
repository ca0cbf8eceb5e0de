#include "submarine/depthmaps/DepthContourTracer.h"

#include <algorithm>

namespace {

struct Crossing {
    float x = 0;
    float y = 0;
};

float SquaredDistance(const Crossing& a, const Crossing& b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    return dx * dx + dy * dy;
}

class SquareTracer {
public:
    SquareTracer(vd::Dc& dc, const ContourAxes& axes, int deepest, const std::array<vd::Pen, kContourPens>& pens)
        : dc_(dc), axes_(axes), deepest_(deepest), zeroShift_(float(deepest * 0.00001)), pens_(pens)
    {
    }

    void Trace(const DepthGrid& grid, int i, int j)
    {
        const int nw = grid.At(i, j);
        const int ne = grid.At(i, j + 1);
        const int se = grid.At(i + 1, j + 1);
        const int sw = grid.At(i + 1, j);
        // A cell without depth stops the square.
        if (float(nw) * 0.001f * (float(ne) * 0.001f) * (float(se) * 0.001f) * (float(sw) * 0.001f) == 0.0f)
            return;
        for (int level = FirstContourLevel(nw); level <= deepest_; level = NextContourLevel(level)) {
            float d[4] = {float(nw) - float(level), float(ne) - float(level), float(se) - float(level),
                          float(sw) - float(level)};
            if (std::all_of(d, d + 4, [](float v) { return v < 0.0f; }))
                return; // every corner above this level: deeper ones cannot cross either
            if (std::all_of(d, d + 4, [](float v) { return v > 0.0f; }))
                continue;
            for (float& v : d)
                if (v == 0.0f)
                    v = zeroShift_;
            Level(level, i, j, d);
        }
    }

private:
    void Level(int level, int i, int j, const float (&d)[4])
    {
        const float dNW = d[0], dNE = d[1], dSE = d[2], dSW = d[3];
        const float p = axes_.p;
        const float q = axes_.q;
        const float x0 = axes_.x[j];
        const float x1 = axes_.x[j + 1];
        const float y0 = axes_.y[i];
        const float y1 = axes_.y[i + 1];
        Crossing c[4];
        int n = 0;
        if ((dNW < 0) != (dNE < 0))
            c[n++] = {x0 - dNW * p / (dNE - dNW), y0};
        if ((dNE < 0) != (dSE < 0))
            c[n++] = {x1, y0 - dNE * q / (dSE - dNE)};
        if ((dSW < 0) != (dSE < 0))
            c[n++] = {dSW * p / (dSW - dSE) + x0, y1};
        if ((dNW < 0) != (dSW < 0))
            c[n++] = {x0, dNW * q / (dNW - dSW) + y0};
        if (n < 2)
            return;
        SelectPen(level);
        if (n == 2) {
            Line(c[0], c[1]);
        } else if (SquaredDistance(c[0], c[3]) <= SquaredDistance(c[0], c[1])) {
            // A saddle: join the crossings that lie nearer each other.
            Line(c[0], c[3]);
            Line(c[1], c[2]);
        } else {
            Line(c[2], c[3]);
            Line(c[0], c[1]);
        }
    }

    void SelectPen(int level)
    {
        const int pen = std::min(level / 1000, kContourPens - 1);
        if (pen != selected_) {
            dc_.SelectObject(pens_[pen]);
            selected_ = pen;
        }
    }

    void Line(const Crossing& from, const Crossing& to)
    {
        const vd::Point end{TruncatePixel(to.x), TruncatePixel(to.y)};
        dc_.MoveTo(TruncatePixel(from.x), TruncatePixel(from.y));
        dc_.LineTo(end);
        // A line leaves its end pixel out; the next square's line starts there.
        dc_.SetPixel(end, pens_[selected_].Colour());
    }

    vd::Dc& dc_;
    const ContourAxes& axes_;
    int deepest_;
    float zeroShift_;
    const std::array<vd::Pen, kContourPens>& pens_;
    int selected_ = 0;
};

} // namespace

int DeepestContourLevel(int greatestDepth) { return (greatestDepth / 1000 + 1) * 1000; }

int FirstContourLevel(int northWestDepth)
{
    const int level = (northWestDepth / 500 - 2) * 500;
    return level <= 0 ? 100 : level;
}

int NextContourLevel(int level)
{
    if (level == 100)
        return 200;
    if (level == 200)
        return 500;
    return level + 500;
}

void TraceDepthContours(vd::Dc& dc, const DepthGrid& grid, const ContourAxes& axes, int greatestDepth,
                        const std::array<vd::Pen, kContourPens>& pens)
{
    const int side = grid.Side();
    SquareTracer tracer(dc, axes, DeepestContourLevel(greatestDepth), pens);
    for (int j = 0; j + 1 < side; ++j)
        for (int i = 0; i + 1 < side; ++i)
            tracer.Trace(grid, i, j);
}

std::array<vd::Pen, kContourPens> MakeContourPens(ContourPenSet set, int baseColour)
{
    const auto colours = ContourPenColours(set, baseColour);
    std::array<vd::Pen, kContourPens> pens;
    for (int j = 0; j < kContourPens; ++j)
        pens[j] = vd::Pen(vd::PS_SOLID, 1, colours[j]);
    return pens;
}
