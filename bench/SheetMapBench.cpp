// A full repaint of the start sheet 京都及大阪 in a 3 x 3 block at 1024 x 768 from the bundled
// sample data: the block's fill, coastline, prefecture borders, lakes, grid, scale bar, side
// panel and point overlay, drawn by the map renderer as the layered map draws it.
#include "app/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "view/renderer/MapRenderer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// A document over a scratch application folder seeded with the sample data (the user's own
// folder and profile are never touched), showing the start sheet.
CVeldoranDoc& SheetDocument()
{
    static std::unique_ptr<CVeldoranDoc> doc = [] {
        bench::SeedScratchHome("veldoran-sheetmap-bench");
        auto d = std::make_unique<CVeldoranDoc>();
        d->m_strMapName = "京都及大阪";
        d->FindSheetByName(d->m_strMapName, d->m_strSheetIndexFile);
        d->m_nMapType = 1;
        d->m_nMapFrame = 2;
        d->m_nMapMode = 9;
        d->m_nMapFigure = 0;
        d->m_nLake = 1;
        d->m_nPrefBorder = 1;
        return d;
    }();
    return *doc;
}

void BM_SheetBlockRepaint(benchmark::State& state)
{
    CVeldoranDoc& doc = SheetDocument();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawSheetMap(0, 1);
    }
    state.counters["height"] = doc.m_nMapPixelHeight;
}
BENCHMARK(BM_SheetBlockRepaint)->Unit(benchmark::kMillisecond);

} // namespace
