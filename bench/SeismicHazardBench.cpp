// Speed of the probabilistic seismic hazard maps, with Halvette loaded as the program loads it:
// - the seek index of a whole-country file, 380,000 records (25 MB, first-level meshes 5035 to
//   5544 in file order), built on first use: the index is removed before each call, which then
//   also draws the single mesh 5339;
// - the white map of the 3 x 3 block around 5339 (57,600 records) drawn with its index into a
//   1024 x 768 picture.
// No hazard data is bundled, so the file is made here in the published layout (66-byte records).
#include "bench/BenchSupport.h"
#include "contracts/bindings/HalvetteExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kRecords = 380000;

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-seismic";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

// The file and its list, written once; values vary so that every class colour appears.
void MakeHazardFile()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    std::ofstream out(Folder() / "COUNTRY_SV.CSV", std::ios::binary);
    int written = 0;
    for (int lat = 50; lat <= 55 && written < kRecords; ++lat)
        for (int lon = 35; lon <= 44 && written < kRecords; ++lon)
            for (int n = 0; n < 6400 && written < kRecords; ++n, ++written)
                out << vd::format("%02d%02d%d%d%d%d,%10.4f,%10.4f,%10.4f,%10.4f,%11.6f\r\n", lat, lon, n / 800,
                                  (n / 100) % 8, (n / 10) % 10, n % 10, 135.0, 35.0, 0.0, 0.0, double(n % 170));
    std::ofstream(Folder() / "SEISFILE.DAT", std::ios::binary)
        << "country=" << WindowsFolder() << "COUNTRY_SV.CSV\r\n";
}

OnSeisWhiteMesh_fn* Entry(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Halvette.DLL", (bench::BinFolder() / "libhalvette.so").string());
    auto* fn = Halvette().OnSeisWhiteMesh.fn;
    if (!fn)
        state.SkipWithError("libhalvette.so not found beside the bench folder");
    return fn;
}

int Coloured(const vd::ImageDc& dc)
{
    int coloured = 0;
    for (int y = 0; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2)
            coloured += dc.GetPixel(x, y) != vd::RGB(255, 255, 255);
    return coloured;
}

void Draw(OnSeisWhiteMesh_fn* draw, vd::ImageDc& dc, int frameMode)
{
    draw(&dc, 0, 999, 1, frameMode, 0, 2, 0, 1024, 0, 760, 0.f, 0.f, 1.f, 1.f, "", "5339", "9", WindowsFolder());
}

void BM_SeismicIndexBuild(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeHazardFile();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(Folder() / "COUNTRY_SV.hdr");
        state.ResumeTiming();
        Draw(draw, dc, 1);
    }
    if (!std::filesystem::exists(Folder() / "COUNTRY_SV.hdr") || Coloured(dc) < 10000)
        state.SkipWithError("the index was not built or nothing was drawn");
}
BENCHMARK(BM_SeismicIndexBuild)->Unit(benchmark::kMillisecond);

void BM_SeismicWhiteBlock(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeHazardFile();
    vd::ImageDc dc(1024, 768);
    Draw(draw, dc, 2); // builds the index
    if (Coloured(dc) < 100000) {
        state.SkipWithError("the cells were not drawn");
        return;
    }
    for (auto _ : state)
        Draw(draw, dc, 2);
}
BENCHMARK(BM_SeismicWhiteBlock)->Unit(benchmark::kMillisecond);

} // namespace
