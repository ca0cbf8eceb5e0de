// Drawing speed of the base map from the bundled sample data: the Japan overview (about 46,000
// coast points) and a 3 x 3 block of sheets with its coast and prefecture borders, into a
// 1024 x 768 picture. Dovanne is loaded as the program loads it; the built tree keeps it and the
// data in bin/ beside the bench/ folder.
#include "bench/BenchSupport.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"

#include <benchmark/benchmark.h>

namespace {

using bench::BinFolder;
using bench::ensureGuiApplication;

// Dovanne's binding, the library taken from the bin/ folder.
DovanneExports& BenchDovanne()
{
    static const bool loaded = vd::LibraryLoader::setOverride("Dovanne", (BinFolder() / "libdovanne.so").string()) || true;
    (void)loaded;
    return Dovanne();
}

std::string CoastFolder()
{
    return vd::toWindowsPath((BinFolder() / "data" / "Coast_JB").string()).value_or("") + "\\";
}

void BM_JapanOverview(benchmark::State& state)
{
    ensureGuiApplication();
    auto* draw = BenchDovanne().OnJapanCoastLineDraw.fn;
    if (!draw) {
        state.SkipWithError("libdovanne.so not found beside the bench folder");
        return;
    }
    const std::string folder = CoastFolder();
    vd::ImageDc dc(1024, 768);
    const int mode = static_cast<int>(state.range(0));
    for (auto _ : state)
        draw(&dc, mode, 1, 1, 512, 384, 1, 375000.f, 1375000.f, mode < 2 ? 300.f : 4000.f, folder);
}
BENCHMARK(BM_JapanOverview)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SheetBlockCoastAndBorders(benchmark::State& state)
{
    ensureGuiApplication();
    auto* coast = BenchDovanne().OnWholeCoastLine.fn;
    auto* borders = BenchDovanne().OnWholePrfctrLine.fn;
    if (!coast || !borders) {
        state.SkipWithError("libdovanne.so not found beside the bench folder");
        return;
    }
    const std::string folder = CoastFolder();
    vd::ImageDc dc(1024, 768);
    // The block around 5339 (Tokyo): 3 x 3 sheets of 320 units, 0.8 pixel a unit.
    auto drawOnce = [&] {
        coast(&dc, 2, 9, 500400, 127200, 0, 0, 0, 0, 0.8f, 0.8f, 10, folder);
        borders(&dc, 2, 9, 500400, 127200, 0, 0, 0, 0, 1, 0.8f, 0.8f, "RED", folder);
    };
    drawOnce();
    if (bench::DrawnPixels(dc) < 1000) {
        state.SkipWithError("the coast and borders were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
}
BENCHMARK(BM_SheetBlockCoastAndBorders)->Unit(benchmark::kMillisecond);

} // namespace
