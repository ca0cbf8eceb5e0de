// Drawing speed of the 1/10 subdivided mesh and the relief form into a 1024 x 768 picture, with
// Pelmora loaded as the program loads it, over first-level mesh 5339 at 0.28 pixels a second:
// - 1/10 land use: 6,400 records (640,000 sub-cells) through OnDdPlnF10Mesh;
// - a climate layer of the same block shaded by TEMP\RELIEF.DAT (230,400 sub-cells) through
//   OnDdPlainMeshRelief.
// No data of these themes is bundled, so the files are made here in the published layout.
#include "bench/BenchSupport.h"
#include "contracts/pelmora.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

using bench::BinFolder;

constexpr int kCells = 6400;
constexpr float kScale = 0.28f;

std::string Flags()
{
    std::string flags = "/1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-subdivided";
        std::filesystem::create_directories(f / "TEMP");
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

// Cell n (0-6399) of mesh 5339.
std::string CellCode(int n) { return vd::format("5339%d%d%d%d", n / 800, (n / 10) % 8, (n / 80) % 10, n % 10); }

void MakeData()
{
    std::ofstream(Folder() / "Msh_prft.dat", std::ios::binary) << "5339=13\r\n";
    const std::string classes = "123456789ABCDEG";
    std::ofstream landUse(Folder() / "L03-03M_13.txt", std::ios::binary);
    std::ofstream climate(Folder() / "CLIMATE_13.txt", std::ios::binary);
    for (int n = 0; n < kCells; ++n) {
        std::string line = "M    " + CellCode(n);
        line.resize(109, ' ');
        for (int j = 0; j < 100; ++j)
            line += classes[std::size_t((n + j / 7) % int(classes.size()))];
        landUse << line << "\r\n";
        std::string record = "M    " + CellCode(n);
        record.resize(90, ' ');
        record += vd::format("%4d", (n * 37) % 300 - 150);
        record.resize(300, ' ');
        climate << record << "\r\n";
    }
    std::string relief(102400, '\0');
    for (std::size_t i = 0; i < relief.size(); ++i)
        relief[i] = char(i * 7 % 100);
    std::ofstream(Folder() / "TEMP" / "RELIEF.DAT", std::ios::binary) << relief;
}

template <class Fn>
Fn* Entry(benchmark::State& state, const char* name)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* fn = vd::entryPoint<Fn>("Pelmora.DLL", name);
    if (!fn)
        state.SkipWithError("libpelmora.so not found beside the bench folder");
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

template <class DrawOnce>
void Run(benchmark::State& state, vd::ImageDc& dc, DrawOnce drawOnce)
{
    drawOnce();
    if (Coloured(dc) < 10000) {
        state.SkipWithError("the sub-cells were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
}

void BM_SubdividedLandUse(benchmark::State& state)
{
    auto* draw = Entry<OnDdPlnF10Mesh_fn>(state, "OnDdPlnF10Mesh");
    if (!draw)
        return;
    MakeData();
    const std::string folder = WindowsFolder();
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    Run(state, dc, [&] {
        draw(&dc, 5, 129600, 500400, 127200, 504000, 0, 1, 1, 10001, 3, 0, 900, 0, 700, 0, 0.0f, 0.0f, kScale, kScale,
             Flags(), "5339", "", "", folder + "(L03-03M_)", folder, "100000000000");
    });
}
BENCHMARK(BM_SubdividedLandUse)->Unit(benchmark::kMillisecond);

void BM_ClimateRelief(benchmark::State& state)
{
    auto* draw = Entry<OnDdPlainMeshRelief_fn>(state, "OnDdPlainMeshRelief");
    if (!draw)
        return;
    MakeData();
    const std::string folder = WindowsFolder();
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    Run(state, dc, [&] {
        draw(&dc, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, 3, 0, 900, 3, 700, 0, 0.0f, 0.0f, kScale, kScale,
             Flags(), "5339", "", "", folder + "(CLIMATE_)", folder, "");
    });
}
BENCHMARK(BM_ClimateRelief)->Unit(benchmark::kMillisecond);

} // namespace
