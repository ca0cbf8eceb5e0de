// Speed of the whole-country line layers (railways, rivers, ledger lines), with Pelmora loaded as
// the program loads it:
// - RL_駅.dat built from a railway file of 200,000 lines over a sheet index of 130 sheets (the
//   railway row of OnDdPlainWholeCountry; the two class caches stay from the first call);
// - Riverddd.dat built from a 40 MB W15-52L file;
// - the rivers of that file drawn over one first-level mesh (5339) at 1024 x 768;
// - the ledger of a C22-59L file of 65,000 nodes and 45,000 sections built (the data set's draw
//   with its ledger removed first);
// - the lines and labelled squares of that file drawn over mesh 5339 at 1024 x 768, the ledger in
//   place.
// No railway, river or C-series data is bundled (none is published under an open licence), so
// the files are made here in the published layout.
#include "bench/BenchSupport.h"
#include "contracts/bindings/PelmoraExports.h"
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
constexpr int kNodes = 65000;
constexpr int kSections = 45000;
constexpr int kLedgerMeshes = 100; // latitude codes 50-59 by longitude codes 30-39

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

// Entry i of the C22-59L file lies in mesh i mod 100.
int LedgerMeshOf(int i) { return i % kLedgerMeshes; }
std::string MeshText(int i) { return vd::format("%02d%02d", 50 + LedgerMeshOf(i) / 10, 30 + LedgerMeshOf(i) % 10); }
std::string KeyOf(int i) { return MeshText(i) + vd::format("00%06d", i); }
// A place inside the mesh of entry i, in whole seconds.
int LatitudeOf(int i) { return (50 + LedgerMeshOf(i) / 10) * 2400 + 60 + i / kLedgerMeshes * 3 % 2280; }
int LongitudeOf(int i) { return 360000 + (30 + LedgerMeshOf(i) % 10) * 3600 + 60 + i / kLedgerMeshes * 7 % 3480; }

void MakeLedgerData()
{
    std::ofstream data(Folder() / "C22-59L.txt", std::ios::binary);
    data << "H header\r\n";
    for (int i = 0; i < kNodes; ++i)
        data << "N  " << KeyOf(i) << vd::format(" %07d %07d 0\r\n", LongitudeOf(i) * 10, LatitudeOf(i) * 10);
    for (int i = 0; i < kSections; ++i) {
        data << Padded("L  " + KeyOf(i), 46) << "5\r\n";
        for (int p = 0; p < 5; ++p)
            data << (LongitudeOf(i) + 20 * p) * 10 << ' ' << (LatitudeOf(i) + 10 * p) * 10 << ' ';
        data << "\r\n";
    }
    for (int i = 0; i < kSections; ++i)
        data << Padded("S  " + KeyOf(i), 37) << vd::format("%010d     1\r\n", i) << KeyOf(i) << "  \r\n";
    const std::string flags = "101000000000000000000000000000000000000001";
    for (int i = 0; i < kSections; ++i)
        data << vd::format("D  %010d", i) << std::string(11, ' ') << vd::format("%05d2 ", i % 1000) << flags
             << vd::format("1970%08d\r\n", i % 500);
}

OnDdPlainWholeCountry_fn* Entry(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* fn = Pelmora().OnDdPlainWholeCountry.fn;
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
    bench::SetFileBytesProcessed(state, Folder() / "N02-railway.txt");
}
BENCHMARK(BM_StationFileBuild)->Unit(benchmark::kMillisecond);

void BM_RiverFileBuild(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeRiverData();
    vd::ImageDc dc(1024, 768);
    std::filesystem::remove(Folder() / "Riverddd.dat");
    DrawMesh(draw, dc, 1, 0, "W15-52L.txt");
    if (!std::filesystem::exists(Folder() / "Riverddd.dat") || std::filesystem::file_size(Folder() / "Riverddd.dat") == 0 ||
        bench::DrawnPixels(dc) == 0) {
        state.SkipWithError("no river file was built or nothing was drawn");
        return;
    }
    for (auto _ : state) {
        std::filesystem::remove(Folder() / "Riverddd.dat");
        DrawMesh(draw, dc, 1, 0, "W15-52L.txt");
    }
    bench::SetFileBytesProcessed(state, Folder() / "W15-52L.txt");
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

// Mesh 5339 at 1024 x 768: 0.284 pixels a second across, 0.32 down; labels of the minerals.
void DrawLedgerMesh(OnDdPlainWholeCountry_fn* draw, vd::ImageDc& dc)
{
    const std::string folder = WindowsFolder();
    draw(&dc, 305, 129600, 500400, 127200, 504000, 4, 0, 1, -1, 3, 0, 0, 700, 0.0f, 0.0f, 0.284f, 0.32f, "/鉱区/",
         "5339", "", "", folder + "C22-59L.txt", folder);
}

int DrawnPixels(vd::ImageDc& dc)
{
    int drawn = 0;
    for (int y = 0; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2)
            drawn += dc.GetPixel(x, y) != vd::RGB(255, 255, 255);
    return drawn;
}

void BM_LedgerBuild(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeLedgerData();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        std::filesystem::remove(Folder() / "台帳C22.dat");
        DrawLedgerMesh(draw, dc);
    }
    if (std::filesystem::file_size(Folder() / "台帳C22.dat") == 0)
        state.SkipWithError("no ledger line was written");
    bench::SetFileBytesProcessed(state, Folder() / "C22-59L.txt");
}
BENCHMARK(BM_LedgerBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LedgerLinesOneMesh(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    if (!std::filesystem::exists(Folder() / "台帳C22.dat")) {
        MakeLedgerData();
        vd::ImageDc warm(1024, 768);
        DrawLedgerMesh(draw, warm);
    }
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    DrawLedgerMesh(draw, dc);
    if (DrawnPixels(dc) == 0) {
        state.SkipWithError("nothing was drawn");
        return;
    }
    for (auto _ : state)
        DrawLedgerMesh(draw, dc);
}
BENCHMARK(BM_LedgerLinesOneMesh)->Unit(benchmark::kMillisecond);

} // namespace
