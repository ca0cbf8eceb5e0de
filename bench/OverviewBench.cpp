// A full repaint of the whole-country overview at 1024 x 768: background, graticule, coastlines
// and borders from the bundled sample data through Dovanne, and 1,000 registered points of the
// current data file, drawn by the map renderer as the view draws the region maps.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "view/renderer/MapRenderer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;

// A document over a scratch application folder seeded with the sample data (the user's own
// folder and profile are never touched).
CVeldoranDoc& OverviewDocument()
{
    static std::unique_ptr<CVeldoranDoc> doc = [] {
        const fs::path home = bench::ScratchHome();
        fs::create_directories(home / "SOURCE");
        std::ofstream points(home / "SOURCE" / "history.dat", std::ios::binary);
        for (int i = 0; i < 1000; ++i)
            points << vd::format("p%d %d.%02d%02d %d.%02d%02d memo.txt\r\n", i, 31 + i % 13, i % 60, i % 59,
                                 130 + i % 12, (i * 7) % 60, (i * 3) % 60);
        auto d = std::make_unique<CVeldoranDoc>();
        d->registered.m_strDataFile = d->folders.m_strSourceDir + "history.dat";
        d->m_nMapDisplayMode = map_display::kMainMap;
        d->pointer.m_nOverviewOriginX = 560;
        return d;
    }();
    return *doc;
}

void BM_WholeCountryOverviewRepaint(benchmark::State& state)
{
    CVeldoranDoc& doc = OverviewDocument();
    doc.m_nClipIndexMap = static_cast<int>(state.range(0));
    vd::ImageDc dc(1024, 768);
    {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawOverviewFrame(1);
    }
    if (doc.m_anKindTally[0] == 0 || bench::DrawnPixels(dc, dc.GetPixel(1023, 767)) < 10000) {
        state.SkipWithError("the overview or its points were not drawn");
        return;
    }
    for (auto _ : state) {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawOverviewFrame(1);
    }
    state.counters["points"] = static_cast<double>(doc.m_anKindTally[0]);
}
BENCHMARK(BM_WholeCountryOverviewRepaint)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
