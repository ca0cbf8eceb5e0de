// Drawing speed of the national-land point layers: one whole-country land-price file (土地B) of
// 20,000 records over the 3 x 3 white-map block around 5339, drawn by OnDdPointWhite into a
// 1024 x 768 picture: every record's marker and, at full detail (argument 3), a price label
// where the spacing allows. The records come as the published files list them, place by place:
// 200 places, each 100 points near one another. No land-price data is bundled, so the file is
// made here in the published layout; Pelmora is loaded as the program loads it.
#include "bench/BenchSupport.h"
#include "contracts/bindings/PelmoraExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using bench::BinFolder;

constexpr int kPlaces = 200;
constexpr int kPointsPerPlace = 100;

// The block around 5339: latitude 124800-132000, longitude 496800-507600 arc-seconds.
std::filesystem::path MakePriceData()
{
    const auto folder = std::filesystem::temp_directory_path() / "veldoran-bench-prices";
    std::filesystem::create_directories(folder);
    std::ofstream prices(folder / "prices.txt", std::ios::binary);
    std::mt19937 rng(5339);
    std::uniform_int_distribution<int> lat(1250000, 1318000), lon(4970000, 5074000), price(10000, 9999999);
    std::uniform_int_distribution<int> near(-3000, 3000); // 300 arc-seconds: 20 to 30 pixels
    for (int place = 0; place < kPlaces; ++place) {
        const int placeLat = lat(rng), placeLon = lon(rng);
        for (int p = 0; p < kPointsPerPlace; ++p) {
            std::string line =
                vd::format("P%8d%8d%8d13", place * kPointsPerPlace + p, placeLon + near(rng), placeLat + near(rng));
            line.resize(228, ' ');
            line += vd::format("%08d", price(rng)) + "  -1.5";
            prices << line << "\r\n";
        }
    }
    return folder;
}

void BM_WhiteLandPriceBlock(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* draw = Pelmora().OnDdPointWhite.fn;
    if (!draw) {
        state.SkipWithError("libpelmora.so not found beside the bench folder");
        return;
    }
    const std::filesystem::path data = MakePriceData();
    const std::string folder = vd::toWindowsPath(data.string()).value_or("") + "\\";
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    vd::ImageDc dc(1024, 768);
    auto drawInto = [&](vd::Dc& dc) {
        draw(&dc, 7, 999, 0, 9, -1, int(state.range(0)), 300, 0, 0, 700, 0, 0, 0.8f, 0.8f, "", "5339", "土地B",
             "9=" + flags, folder + "prices.txt", folder);
    };
    vd::RecordingDc counted;
    drawInto(counted);
    state.counters["labels"] = double(counted.Texts().size());
    auto drawOnce = [&] { drawInto(dc); };
    drawOnce();
    int red = 0;
    for (int y = 0; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2)
            red += dc.GetPixel(x, y) == vd::RGB(255, 0, 0);
    if (red < 1000) {
        state.SkipWithError("the markers were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
    bench::SetFileBytesProcessed(state, data / "prices.txt");
}
BENCHMARK(BM_WhiteLandPriceBlock)->Arg(3)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
