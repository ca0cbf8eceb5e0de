// The place-name search over a national-size annotation table: 470,000 records (about twenty
// progress steps) searched by area and drawn on a 3 x 3 block at 1024 x 768, as the sheet map's
// place-name layer runs it.
#include "app/document/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "view/renderer/MapRenderer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 470000;

CVeldoranDoc& AnnotationDocument()
{
    static std::unique_ptr<CVeldoranDoc> doc = [] {
        const fs::path home = bench::ScratchHome();
        std::ofstream table(home / "tyuuki.csv", std::ios::binary);
        const std::string name = vd::utf8ToCp932("地名");
        const std::string reading = vd::utf8ToCp932("ちめい");
        // Spread over the 3 x 3 block around mesh 5235 and beyond it.
        for (int i = 0; i < kRecords; ++i) {
            const int mesh = (51 + i % 4) * 100 + 34 + (i / 4) % 4;
            table << vd::format("%d%02d,A,1,26101,0,%d,%d,%d,", mesh, i % 100, 1 + i % 5, 1 + i % 3, i % 10) << name
                  << i << "," << reading << vd::format(",x,y,%d%02d%02d,%d%02d%02d\r\n", 100 + mesh % 100, (i / 7) % 60,
                                                       i % 60, 34 + (mesh / 100 - 51) * 2 / 3, (i / 3) % 60, i % 60);
        }
        auto d = std::make_unique<CVeldoranDoc>();
        d->environment.m_strAnnotationTable = vd::toWindowsPath((home / "tyuuki.csv").string()).value_or("");
        d->position.m_nMapFrame = 2;
        d->position.m_nMapMode = 9;
        d->m_nBlockWestSec = 134 * 3600;
        d->m_nBlockSouthSec = 122400;
        d->m_fWhiteZoomX = 0.8f;
        d->m_fWhiteZoomY = 0.8f;
        d->search.m_nPlaceNameLayer = 0;
        d->m_nGnpfValue7 = 2;
        return d;
    }();
    return *doc;
}

void BM_AnnotationSearchByArea(benchmark::State& state)
{
    CVeldoranDoc& doc = AnnotationDocument();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        doc.m_strGnpfText4 = "5235";
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawPlaceNames();
    }
    if (doc.m_nResultDrawn == 0)
        state.SkipWithError("nothing drawn");
    state.counters["found"] = double(doc.m_nResultTotal);
    state.counters["drawn"] = double(doc.m_nResultDrawn);
    bench::SetFileBytesProcessed(state, bench::ScratchHome() / "tyuuki.csv");
}
BENCHMARK(BM_AnnotationSearchByArea)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
