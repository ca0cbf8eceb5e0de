// Speed of the railway and whole-country river layers, with Pelmora loaded as the program loads it:
// - RL_駅.dat built from a railway file of 200,000 lines over a sheet index of 130 sheets (the
//   railway row of OnDdPlainWholeCountry; the two class caches stay from the first call);
// - Riverddd.dat built from a 40 MB W15-52L file;
// - the rivers of that file drawn over one first-level mesh (5339) at 1024 x 768.
// No railway or river data is bundled, so the files are made here in the published layout.
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

constexpr int kRailwayLines = 200000;
constexpr int kRiverLinks = 120000;

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-railways";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

std::string Padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

// 130 sheets: first-level meshes 40-52 by 30-39.
std::string SheetMesh(int sheet) { return vd::format("%02d%02d", 40 + sheet / 10, 30 + sheet % 10); }

void MakeRailwayData()
{
    std::ofstream index(Folder() / "BLCMAP20.IDX", std::ios::binary);
    for (int sheet = 0; sheet < 130; ++sheet) {
        const int minutes = (40 + sheet / 10) * 40;
        index << Padded("X", 22)
              << vd::format("%02d.%02d00   1%02d.0000\r\n", minutes / 60, minutes % 60, 30 + sheet % 10);
    }
    std::ofstream data(Folder() / "N02-railway.txt", std::ios::binary);
    int lines = 0;
    for (int sheet = 0; sheet < 130; ++sheet)
        for (int node = 0; node < 300; ++node, ++lines)
            data << " P " << SheetMesh(sheet) << vd::format("%02d%04d   Station%d \r\n", node % 78, node, node);
    for (int sheet = 0; sheet < 130; ++sheet)
        for (int node = 0; node < 300; ++node, ++lines)
            data << "N  " << SheetMesh(sheet)
                 << vd::format("%02d%06d %06d %07d  %d\r\n", node % 78, node, 500000 + node, 128000 + node, node % 3);
    for (int link = 0; lines < kRailwayLines; ++link, lines += 2)
        data << Padded("L  5339" + vd::format("%02d%06d", link % 78, link % 370), 46) << "5\r\n"
             << "5010000 1280000 5011000 1281000 5012000 1282000 5013000 1283000 5014000 1284000\r\n";
}

void MakeRiverData()
{
    std::ofstream data(Folder() / "W15-52L.txt", std::ios::binary);
    auto mesh = [](int link) { return vd::format("%02d%02d", 50 + link * 10 / kRiverLinks, 30 + link % 10); };
    for (int link = 0; link < kRiverLinks; ++link) {
        data << Padded("L  " + mesh(link), 27) << vd::format("%06d", link) << std::string(13, ' ') << "    5\r\n";
        const int lat = (50 + link * 10 / kRiverLinks) * 2400 + link % 2400;
        const int lon = 360000 + (30 + link % 10) * 3600 + link % 3600;
        for (int p = 0; p < 5; ++p)
            data << (lon + p * 30) * 10 << ' ' << (lat + p * 20) * 10 << ' ';
        data << "\r\n";
    }
    data << "S end\r\n";
    for (int link = 0; link < kRiverLinks; ++link)
        for (int p = 0; p < 5; ++p)
            data << Padded("DS " + mesh(link) + vd::format("%06d", link), 22) << "ABCDEFGHIJKL" << (1 + p % 8)
                 << vd::format("%4d", p) << "\r\n";
}

OnDdPlainWholeCountry_fn* Entry(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* fn = vd::entryPoint<OnDdPlainWholeCountry_fn>("Pelmora.DLL", "OnDdPlainWholeCountry");
    if (!fn)
        state.SkipWithError("libpelmora.so not found beside the bench folder");
    return fn;
}

// Mesh 5339 at 1024 x 768: 0.284 pixels a second across, 0.32 down.
void DrawMesh(OnDdPlainWholeCountry_fn* draw, vd::ImageDc& dc, int item, int subTheme, const std::string& file)
{
    const std::string folder = WindowsFolder();
    draw(&dc, item, 129600, 500400, 127200, 504000, 4, 0, 1, -1, 3, 4, subTheme, 700, 0.0f, 0.0f, 0.284f, 0.32f,
         "/鉄道/", "5339", "", "", folder + file, folder);
}

void BM_StationFileBuild(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeRailwayData();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        std::filesystem::remove(Folder() / "RL_駅.dat");
        DrawMesh(draw, dc, 0, 2, "N02-railway.txt");
    }
    if (std::filesystem::file_size(Folder() / "RL_駅.dat") == 0)
        state.SkipWithError("no station was written");
}
BENCHMARK(BM_StationFileBuild)->Unit(benchmark::kMillisecond);

void BM_RiverFileBuild(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeRiverData();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        std::filesystem::remove(Folder() / "Riverddd.dat");
        DrawMesh(draw, dc, 1, 0, "W15-52L.txt");
    }
}
BENCHMARK(BM_RiverFileBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CountryRiversOneMesh(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    if (!std::filesystem::exists(Folder() / "Riverddd.dat")) {
        MakeRiverData();
        vd::ImageDc warm(1024, 768);
        DrawMesh(draw, warm, 1, 0, "W15-52L.txt");
    }
    vd::ImageDc dc(1024, 768);
    for (auto _ : state)
        DrawMesh(draw, dc, 1, 0, "W15-52L.txt");
}
BENCHMARK(BM_CountryRiversOneMesh)->Unit(benchmark::kMillisecond);

} // namespace
