// Drawing speed of the national-land river layer: one prefecture file of 50,000 river points
// (500 rivers of 100 points wandering over the block) read and drawn by OnDdRiverWhite on the
// 3 x 3 white-map block around 5339, into a 1024 x 768 picture. No river data is bundled yet, so
// the file is made here, in the published layout; Pelmora is loaded as the program loads it.
#include "bench/BenchSupport.h"
#include "contracts/bindings/PelmoraExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using bench::BinFolder;

constexpr int kRivers = 500;
constexpr int kPointsPerRiver = 100;

// The block around 5339: latitude 124800-132000, longitude 496800-507600 arc-seconds.
std::filesystem::path MakeRiverData()
{
    const auto folder = std::filesystem::temp_directory_path() / "veldoran-bench-rivers";
    std::filesystem::create_directories(folder);
    std::ofstream table(folder / "Msh_prft.dat", std::ios::binary);
    for (int code : {5438, 5439, 5440, 5338, 5339, 5340, 5238, 5239, 5240})
        table << vd::format("%d=13\r\n", code);
    std::ofstream rivers(folder / "W05-07L-13.txt", std::ios::binary);
    std::mt19937 rng(5339);
    std::uniform_int_distribution<int> start(0, 9999), step(-400, 400);
    for (int r = 0; r < kRivers; ++r) {
        rivers << "L" << std::string(34, ' ') << vd::format("%10d %d\r\n", r, kPointsPerRiver);
        int lat = 1248000 + start(rng) * 7, lon = 4968000 + start(rng) * 10;
        for (int p = 0; p < kPointsPerRiver; ++p) {
            lat += step(rng);
            lon += step(rng);
            rivers << lon << ' ' << lat << (p % 5 == 4 ? "\r\n" : " ");
        }
    }
    rivers << "S\r\n";
    return folder;
}

void BM_WhiteRiverBlock(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* draw = Pelmora().OnDdRiverWhite.fn;
    if (!draw) {
        state.SkipWithError("libpelmora.so not found beside the bench folder");
        return;
    }
    const std::filesystem::path data = MakeRiverData();
    const std::string folder = vd::toWindowsPath(data.string()).value_or("") + "\\";
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    vd::ImageDc dc(1024, 768);
    auto drawOnce = [&] {
        draw(&dc, 1, 0, 128, 9, 5339, 0, 0, 0, 0, 0, 0, 700, 0, 0, 0.8f, 0.8f, flags, "5339", "河川", "9",
             folder + "(W05-07L-13.txt)", folder);
    };
    drawOnce();
    int blue = 0;
    for (int y = 0; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2)
            blue += dc.GetPixel(x, y) == vd::RGB(0, 0, 255);
    if (blue < 1000) {
        state.SkipWithError("the rivers were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
    bench::SetFileBytesProcessed(state, data / "W05-07L-13.txt");
}
BENCHMARK(BM_WhiteRiverBlock)->Unit(benchmark::kMillisecond);

} // namespace
