// Drawing speed of the geology mesh layer into a 1024 x 768 picture, with Dovanne loaded as the
// program loads it, over one natural-terrain prefecture file (terrain classification, every
// class shown, the bundled palette):
// - the plain map's 3 x 3 block around 5339: 57,600 records, 921,600 sub-cell fills, through
//   OnD4GeologyMesh as the program calls it (detail level 3, no work file);
// - the white map's 5 x 5 block around 5339: 160,000 records, one rectangle each, through
//   OnDdWhiteG4Mesh (the legend and TEMP\GeoWmap.dat included).
// No geology survey data can be had, so the records are made here in the published layout.
#include "bench/BenchSupport.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

using bench::BinFolder;

std::string Flags()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-geology";
        std::filesystem::create_directories(f / "TEMP");
        std::filesystem::copy_file(BinFolder() / "data" / "GEOLOGY.PLT", f / "GEOLOGY.PLT",
                                   std::filesystem::copy_options::overwrite_existing);
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

// Every third-level record of the k x k block of first-level meshes around 5339, in one file.
void MakeTerrainSet(int k)
{
    std::ofstream prefectures(Folder() / "Msh_prft.dat", std::ios::binary);
    std::ofstream set(Folder() / "GEOBENCH13.txt", std::ios::binary);
    const int half = k / 2;
    for (int mesh = 0; mesh < k * k; ++mesh) {
        const int lat = 53 + half - mesh / k;
        const int lon = 39 - half + mesh % k;
        prefectures << vd::format("%02d%02d=13\r\n", lat, lon);
        for (int n = 0; n < 6400; ++n) {
            std::string line = vd::format("G    %02d%02d%d%d%d%d0001", lat, lon, n / 800, (n / 10) % 8, (n / 80) % 10, n % 10);
            line.resize(38, ' ');
            line += vd::format("%02d", (n * 7 + mesh) % 27);
            line.resize(60, '0');
            set << line << "\r\n";
        }
    }
}

template <class Fn>
Fn* Entry(benchmark::State& state, LibraryExport<Fn> DovanneExports::*entry)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Dovanne.dll", (BinFolder() / "libdovanne.so").string());
    auto* fn = (Dovanne().*entry).fn;
    if (!fn)
        state.SkipWithError("libdovanne.so not found beside the bench folder");
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
void TimeDrawing(benchmark::State& state, int least, DrawOnce drawOnce)
{
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    drawOnce(dc);
    if (Coloured(dc) < least) {
        state.SkipWithError("the cells were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce(dc);
}

void BM_PlainTerrainBlock3x3(benchmark::State& state)
{
    auto* draw = Entry(state, &DovanneExports::OnD4GeologyMesh);
    if (!draw)
        return;
    MakeTerrainSet(3);
    const std::string folder = WindowsFolder();
    TimeDrawing(state, 100000, [&](vd::ImageDc& dc) {
        draw(&dc, 5, 55 * 2400, 138 * 3600, 52 * 2400, 141 * 3600, 2, 2, 2, 10001, 3, 1020, 0, 0, 760, 2.0f, 2.0f,
             0.094f, 0.105f, "広域3/" + Flags(), "5339", "5339", "5339", folder + "(GEOBENCH)", folder, "1");
    });
}
BENCHMARK(BM_PlainTerrainBlock3x3)->Unit(benchmark::kMillisecond);

void BM_WhiteTerrainBlock5x5(benchmark::State& state)
{
    auto* draw = Entry(state, &DovanneExports::OnDdWhiteG4Mesh);
    if (!draw)
        return;
    MakeTerrainSet(5);
    const std::string folder = WindowsFolder();
    TimeDrawing(state, 100000, [&](vd::ImageDc& dc) {
        draw(&dc, 0, 0, 0, 2, 0, 2, 2, 1024, 0, 768, 10.0f, 20.0f, 0.6f, 0.45f, "", "5339", "", "25/" + Flags(),
             folder + "(GEOBENCH)", folder, "1");
    });
}
BENCHMARK(BM_WhiteTerrainBlock5x5)->Unit(benchmark::kMillisecond);

} // namespace
