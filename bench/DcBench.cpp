// Drawing speed of the device context on a 1024 x 768 picture: one-pixel polylines (vertices a
// second), filled polygons and rectangles (cells a second: a mesh layer fills hundreds of
// thousands) and text.
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using bench::ensureGuiApplication;

// A coastline-like walk: short steps in every direction, kept inside the picture.
std::vector<vd::Point> walk(int count, int step)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> d(-step, step);
    std::vector<vd::Point> points;
    vd::Point p{512, 384};
    for (int i = 0; i < count; ++i) {
        p.x = std::clamp(p.x + d(random), 0, 1023);
        p.y = std::clamp(p.y + d(random), 0, 767);
        points.push_back(p);
    }
    return points;
}

void BM_Polyline1px(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    const std::vector<vd::Point> points = walk(int(state.range(0)), 8);
    dc.SelectObject(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255)));
    for (auto _ : state)
        dc.Polyline(points);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Polyline1px)->Arg(10000);

// The same walk as separate MoveTo/LineTo calls (segments a second), as much drawing code does it.
void BM_LineTo1px(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    const std::vector<vd::Point> points = walk(int(state.range(0)), 8);
    for (auto _ : state) {
        dc.MoveTo(points[0]);
        for (std::size_t i = 1; i < points.size(); ++i)
            dc.LineTo(points[i]);
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) - 1));
}
BENCHMARK(BM_LineTo1px)->Arg(10000);

void BM_Polyline1pxDottedXor(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    const std::vector<vd::Point> points = walk(int(state.range(0)), 8);
    dc.SelectObject(vd::Pen(vd::PS_DOT, 1, vd::RGB(255, 0, 0)));
    dc.SetROP2(vd::R2_NOTXORPEN);
    for (auto _ : state)
        dc.Polyline(points);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Polyline1pxDottedXor)->Arg(10000);

void BM_Polyline2px(benchmark::State& state)
{
    ensureGuiApplication();
    vd::ImageDc dc(1024, 768);
    const std::vector<vd::Point> points = walk(int(state.range(0)), 8);
    dc.SelectObject(vd::Pen(vd::PS_SOLID, 2, vd::RGB(0, 128, 0)));
    for (auto _ : state)
        dc.Polyline(points);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Polyline2px)->Arg(10000);

// Mesh cells as small quadrilaterals with the brush only (cells a second).
void BM_PolygonCells(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    dc.SelectObject(vd::StockPen(vd::NULL_PEN));
    dc.SelectObject(vd::Brush(vd::RGB(200, 120, 40)));
    const int cell = int(state.range(0));
    long long cells = 0;
    for (auto _ : state) {
        for (int y = 0; y + cell <= 768; y += cell)
            for (int x = 0; x + cell <= 1024; x += cell) {
                const vd::Point quad[] = {{x, y}, {x + cell, y}, {x + cell, y + cell}, {x, y + cell}};
                dc.Polygon(quad, 4);
                ++cells;
            }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_PolygonCells)->Arg(4)->Arg(16);

// One polygon of thousands of points (a prefecture outline), filled and outlined.
void BM_PolygonLarge(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    std::vector<vd::Point> outline;
    const int n = int(state.range(0));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> jitter(-6, 6);
    for (int i = 0; i < n; ++i) {
        const double a = 6.283185307179586 * i / n;
        outline.push_back({int(512 + 300 * std::cos(a)) + jitter(random), int(384 + 300 * std::sin(a)) + jitter(random)});
    }
    dc.SelectObject(vd::Brush(vd::RGB(120, 200, 120)));
    for (auto _ : state)
        dc.Polygon(outline);
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PolygonLarge)->Arg(5000);

void BM_FillRectCells(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    const vd::Brush brush(vd::RGB(40, 160, 220));
    const int cell = int(state.range(0));
    long long cells = 0;
    for (auto _ : state) {
        for (int y = 0; y + cell <= 768; y += cell)
            for (int x = 0; x + cell <= 1024; x += cell) {
                dc.FillRect(vd::Rect{x, y, x + cell, y + cell}, brush);
                ++cells;
            }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_FillRectCells)->Arg(2)->Arg(4)->Arg(16);

void BM_RectangleCells(benchmark::State& state)
{
    vd::ImageDc dc(1024, 768);
    dc.SelectObject(vd::Brush(vd::RGB(40, 160, 220)));
    const int cell = int(state.range(0));
    long long cells = 0;
    for (auto _ : state) {
        for (int y = 0; y + cell <= 768; y += cell)
            for (int x = 0; x + cell <= 1024; x += cell) {
                dc.Rectangle(x, y, x + cell + 1, y + cell + 1);
                ++cells;
            }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RectangleCells)->Arg(4)->Arg(16);

void BM_TextOut(benchmark::State& state)
{
    ensureGuiApplication();
    vd::ImageDc dc(1024, 768);
    vd::Font font;
    font.CreateFont(16, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_MODERN, "ＭＳ ゴシック");
    dc.SelectObject(font);
    dc.SetBkMode(vd::TRANSPARENT);
    int y = 0;
    for (auto _ : state) {
        dc.TextOut(10, y, "京都市東山区 清水寺 1-294");
        y = (y + 18) % 740;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextOut);

} // namespace
