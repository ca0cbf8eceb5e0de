// Drawing speed of the municipality boundaries on the white map: a 3 x 3 block around 5339 at
// 1024 x 768, 900 generated municipalities of 444 points (about 400,000) over the nine meshes,
// filled and labelled, as the sheet's repaint calls Surrick. Under 30 ms a block is the aim.
#include "bench/BenchSupport.h"
#include "contracts/bindings/SurrickExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/LittleEndian.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kCentre = 5339;
constexpr int kAreasPerSide = 10; // 10 x 10 municipalities a mesh
constexpr int kPointsPerArea = 444;

void Record(std::string& bytes, const std::string& text, std::size_t size)
{
    std::string record = text;
    record.resize(size, '\0');
    bytes += record;
}

// One prefecture file: each mesh of the block cut into 10 x 10 municipalities, each a ring.
std::string GeneratedMunicipalities()
{
    std::string bytes;
    for (int i = 0; i < 9 * kAreasPerSide * kAreasPerSide; ++i)
        Record(bytes, vd::format("13%03d", i % 1000) + std::string(36, ' ') + "BENCHCITY", 81);
    Record(bytes, "999", 81);
    int code = 0;
    for (int cell = 0; cell < 9; ++cell) {
        const int mesh = kCentre + 99 + cell % 3 - cell / 3 * 100;
        const int south = mesh / 100 * 2400, west = mesh % 100 * 3600 + 360000;
        for (int a = 0; a < kAreasPerSide * kAreasPerSide; ++a, ++code) {
            Record(bytes, vd::format("13%03d", code % 1000), 10);
            const int s = south + a / kAreasPerSide * 240, w = west + a % kAreasPerSide * 360;
            for (int p = 0; p < kPointsPerArea; ++p) {
                const int q = p % (kPointsPerArea / 4), side = p / (kPointsPerArea / 4);
                const int t = q * 240 / (kPointsPerArea / 4);
                const int lon = side == 0 ? w + t * 3 / 2 : side == 1 ? w + 360 : side == 2 ? w + 360 - t * 3 / 2 : w;
                const int lat = side == 0 ? s : side == 1 ? s + t : side == 2 ? s + 240 : s + 240 - t;
                vd::appendInt32(bytes, lon * 10);
                vd::appendInt32(bytes, lat * 10);
            }
            vd::appendInt32(bytes, 999);
            vd::appendInt32(bytes, 999);
        }
    }
    return bytes;
}

void BM_WhiteBlockMunicipalities(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Surrick", (bench::BinFolder() / "libsurrick.so").string());
    auto* draw = Surrick().OnCitySurfaceWhite.fn;
    if (!draw) {
        state.SkipWithError("libsurrick.so not found beside the bench folder");
        return;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "veldoran-municipality-bench";
    std::filesystem::create_directories(folder / "CityPlgn");
    std::ofstream(folder / "CityPlgn" / "Pg001_13.dat", std::ios::binary) << GeneratedMunicipalities();
    {
        std::ofstream table(folder / "Msh_prft.dat", std::ios::binary);
        for (int cell = 0; cell < 9; ++cell)
            table << kCentre + 99 + cell % 3 - cell / 3 * 100 << "=13\r\n";
    }
    const std::string win = vd::toWindowsPath(folder.string()).value_or("") + "\\";
    vd::ImageDc dc(1024, 768);
    const auto run = [&] {
        draw(&dc, -11, 0, 32, 9, kCentre, 20, 0, 0, 11, 1, 1.f, 0.8f, "", "", "9", win, win, "");
    };
    run();
    if (dc.GetPixel(512, 384) == dc.GetPixel(1000, 10)) {
        state.SkipWithError("the municipalities were not drawn");
        return;
    }
    for (auto _ : state)
        run();
}

} // namespace

BENCHMARK(BM_WhiteBlockMunicipalities)->Unit(benchmark::kMillisecond);
