// Speed of the whole-country ledger line layers, with Pelmora loaded as the program loads it:
// - the ledger of a C22-59L file of 65,000 nodes and 45,000 sections built (the data set's draw
//   with its ledger removed first);
// - the lines and labelled squares of that file drawn over one first-level mesh (5339) at
//   1024 x 768, the ledger in place.
// No C-series data is published under an open licence, so the file is made here in its layout.
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

constexpr int kNodes = 65000;
constexpr int kSections = 45000;
constexpr int kMeshes = 100; // latitude codes 50-59 by longitude codes 30-39

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-ledger";
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

int MeshOf(int i) { return i % kMeshes; }
std::string MeshText(int i) { return vd::format("%02d%02d", 50 + MeshOf(i) / 10, 30 + MeshOf(i) % 10); }
std::string KeyOf(int i) { return MeshText(i) + vd::format("00%06d", i); }
// A place inside the mesh of entry i, in whole seconds.
int LatitudeOf(int i) { return (50 + MeshOf(i) / 10) * 2400 + 60 + i / kMeshes * 3 % 2280; }
int LongitudeOf(int i) { return 360000 + (30 + MeshOf(i) % 10) * 3600 + 60 + i / kMeshes * 7 % 3480; }

void MakeData()
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
    auto* fn = vd::entryPoint<OnDdPlainWholeCountry_fn>("Pelmora.DLL", "OnDdPlainWholeCountry");
    if (!fn)
        state.SkipWithError("libpelmora.so not found beside the bench folder");
    return fn;
}

// Mesh 5339 at 1024 x 768: 0.284 pixels a second across, 0.32 down; labels of the minerals.
void DrawMesh(OnDdPlainWholeCountry_fn* draw, vd::ImageDc& dc)
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
    MakeData();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        std::filesystem::remove(Folder() / "台帳C22.dat");
        DrawMesh(draw, dc);
    }
    if (std::filesystem::file_size(Folder() / "台帳C22.dat") == 0)
        state.SkipWithError("no ledger line was written");
}
BENCHMARK(BM_LedgerBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LedgerLinesOneMesh(benchmark::State& state)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    if (!std::filesystem::exists(Folder() / "台帳C22.dat")) {
        MakeData();
        vd::ImageDc warm(1024, 768);
        DrawMesh(draw, warm);
    }
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    DrawMesh(draw, dc);
    if (DrawnPixels(dc) == 0) {
        state.SkipWithError("nothing was drawn");
        return;
    }
    for (auto _ : state)
        DrawMesh(draw, dc);
}
BENCHMARK(BM_LedgerLinesOneMesh)->Unit(benchmark::kMillisecond);

} // namespace
