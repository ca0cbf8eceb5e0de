// Drawing speed of the whole-country statistics map from the bundled data, as the renderer draws
// it: the prefecture class fills, the coast and Far East borders, the prefecture lines, then 47
// pies of the population set with its boxes and 10-class legend, into a 1024 x 768 picture.
// Surrick is loaded as the program loads it, from bin/ beside the bench/ folder.
#include "bench/BenchSupport.h"
#include "contracts/bindings/SurrickExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"

#include <benchmark/benchmark.h>

namespace {

using bench::BinFolder;
using bench::ensureGuiApplication;

// Surrick's binding, the library taken from the bin/ folder.
SurrickExports& BenchSurrick()
{
    static const bool loaded = vd::LibraryLoader::setOverride("Surrick", (BinFolder() / "libsurrick.so").string()) || true;
    (void)loaded;
    return Surrick();
}

std::string WinFolder(const std::filesystem::path& path)
{
    return vd::toWindowsPath(path.string()).value_or("") + "\\";
}

// The ranks of the population set, largest first, and each prefecture's rank.
const char* const kPopulationOrder = "12|13|26|22|10|11|27|0|39|21|7|33|25|3|14|19|20|9|8|32|6|23|42|45|46|24|"
                                     "34|37|28|41|1|2|16|43|44|5|15|4|36|29|40|18|17|35|38|31|30|";

std::string RanksByPrefecture()
{
    int ranks[47] = {};
    std::string order = kPopulationOrder;
    for (int r = 0; r < 47; ++r) {
        const auto bar = order.find('|');
        ranks[std::stoi(order.substr(0, bar))] = r;
        order.erase(0, bar + 1);
    }
    std::string text;
    for (int rank : ranks)
        text += std::to_string(rank) + "|";
    return text;
}

void BM_WholeCountryStatisticsMap(benchmark::State& state)
{
    ensureGuiApplication();
    auto* fills = BenchSurrick().OnPrefectureMap.fn;
    auto* island = BenchSurrick().OnJapanDataIsland.fn;
    auto* lines = BenchSurrick().OnPrectureLine.fn;
    auto* statistics = BenchSurrick().OnPrefectureDataDisp.fn;
    if (!fills || !island || !lines || !statistics) {
        state.SkipWithError("libsurrick.so not found beside the bench folder");
        return;
    }
    const std::string data = WinFolder(BinFolder() / "data");
    const std::string coast = WinFolder(BinFolder() / "data" / "Coast_JB");
    const std::string dataFile = data + "MAPELMNT\\県別人口.DAT";
    const std::string classes = RanksByPrefecture();
    vd::ImageDc dc(1024, 768);
    const auto draw = [&] {
        dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
        fills(&dc, classes, coast, 512, 0, 0, 1, 455000.f, 1375000.f, 222.22223f);
        island(&dc, data, coast, 1, 512, 0, 0, 455000.f, 1375000.f, 222.22223f);
        lines(&dc, coast, 512, 0, 0, 0, 455000.f, 1375000.f, 222.22223f);
        statistics(&dc, data, dataFile, kPopulationOrder, 2, 1, 0, 0, 1, 1, 11, 455000.f, 1375000.f, 222.22223f,
                   512.f, 1024, 768);
    };
    draw();
    // A benchmark of nothing is worse than none: Tokyo's fill must be there.
    int coloured = 0;
    for (int y = 0; y < 768; y += 8)
        for (int x = 0; x < 1024; x += 8)
            coloured += dc.GetPixel(x, y) != vd::RGB(255, 255, 255);
    if (coloured < 1000) {
        state.SkipWithError("the statistics map drew nothing");
        return;
    }
    for (auto _ : state)
        draw();
}
BENCHMARK(BM_WholeCountryStatisticsMap)->Unit(benchmark::kMillisecond);

} // namespace
