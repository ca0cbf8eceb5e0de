// Drawing speed of the third-order mesh layers into a 1024 x 768 picture, with Pelmora loaded as
// the program loads it:
// - a whole-prefecture climate layer of 30,000 cells (one prefecture file, January mean
//   temperature) over the 3 x 3 block around 5339, through OnDdPlainMesh in the cell form;
// - 380,000 coastal-sea cells (about all of Japan's) in one file on the whole-country overview,
//   through OnDdPlainMeshTavrel;
// - over first-level mesh 5339 at 0.28 pixels a second: 1/10 land use, 6,400 records (640,000
//   sub-cells) through OnDdPlnF10Mesh, and a climate layer of the same block shaded by
//   TEMP\RELIEF.DAT (230,400 sub-cells) through OnDdPlainMeshRelief.
// No mesh data of these themes is bundled, so the files are made here in the published layout.
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

constexpr int kPrefectureCells = 30000;
constexpr int kCountryCells = 380000;

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
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-meshes";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

// The cell of first-level mesh (lat, lon) numbered n (0-6399) in the file's order.
std::string CellCode(int lat, int lon, int n)
{
    return vd::format("%02d%02d%d%d%d%d", lat, lon, n / 800, (n / 10) % 8, (n / 80) % 10, n % 10);
}

void MakePrefectureData()
{
    std::ofstream("" + (Folder() / "Msh_prft.dat").string(), std::ios::binary)
        << "5238=13\r\n5239=13\r\n5240=13\r\n5338=13\r\n5339=13\r\n5340=13\r\n5438=13\r\n5439=13\r\n5440=13\r\n";
    std::ofstream climate(Folder() / "CLIMATE_13.txt", std::ios::binary);
    for (int i = 0; i < kPrefectureCells; ++i) {
        const int mesh = i % 9;
        std::string line = "M    " + CellCode(52 + mesh / 3, 38 + mesh % 3, (i / 9) % 6400);
        line.resize(90, ' ');
        line += vd::format("%4d", (i * 37) % 300 - 150);
        line.resize(300, ' ');
        climate << line << "\r\n";
    }
}

void MakeCountryData()
{
    std::ofstream sea(Folder() / "sea.txt", std::ios::binary);
    for (int i = 0; i < kCountryCells; ++i) {
        const int mesh = i / 6400;
        sea << "M    " << CellCode(36 + mesh / 6 * 3 % 30, 36 + mesh % 6 * 2, i % 6400)
            << vd::format("%4d", (i * 13) % 3000 + 1) << "\r\n";
    }
}

// One first-level mesh: 1/10 land use, climate and a relief grid of its 320 x 320 points.
void MakeSubdividedData()
{
    std::filesystem::create_directories(Folder() / "TEMP");
    // Each benchmark writes the Msh_prft.dat it reads.
    std::ofstream(Folder() / "Msh_prft.dat", std::ios::binary) << "5339=13\r\n";
    const std::string classes = "123456789ABCDEG";
    std::ofstream landUse(Folder() / "L03-03M_13.txt", std::ios::binary);
    std::ofstream climate(Folder() / "CLIMRLF_13.txt", std::ios::binary);
    for (int n = 0; n < 6400; ++n) {
        std::string line = "M    " + CellCode(53, 39, n);
        line.resize(109, ' ');
        for (int j = 0; j < 100; ++j)
            line += classes[std::size_t((n + j / 7) % int(classes.size()))];
        landUse << line << "\r\n";
        std::string record = "M    " + CellCode(53, 39, n);
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
Fn* Entry(benchmark::State& state, LibraryExport<Fn> PelmoraExports::*entry)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* fn = (Pelmora().*entry).fn;
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

// Draws once into a white 1024 x 768 picture, checks that something was drawn, then times the
// drawing, counting the bytes of the data file read each time.
template <class DrawOnce>
void TimeDrawing(benchmark::State& state, int least, const std::filesystem::path& file, DrawOnce drawOnce)
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
    bench::SetFileBytesProcessed(state, file);
}

void BM_PrefectureClimateCells(benchmark::State& state)
{
    auto* draw = Entry(state, &PelmoraExports::OnDdPlainMesh);
    if (!draw)
        return;
    MakePrefectureData();
    const std::string folder = WindowsFolder();
    // The 3 x 3 block: latitude 124800-132000, longitude 496800-507600 at 0.09 pixels a second.
    TimeDrawing(state, 1000, Folder() / "CLIMATE_13.txt", [&](vd::ImageDc& dc) {
        draw(&dc, 0, 132000, 496800, 124800, 507600, 0, 2, 0, -1, 2, 0, 900, 3, 700, 0, 0.0f, 0.0f, 0.09f, 0.09f,
             "/" + Flags(), "5339", "", "", folder + "(CLIMATE_.txt)", folder, "");
    });
}
BENCHMARK(BM_PrefectureClimateCells)->Unit(benchmark::kMillisecond);

void BM_CountrySeaCells(benchmark::State& state)
{
    auto* draw = Entry(state, &PelmoraExports::OnDdPlainMeshTavrel);
    if (!draw)
        return;
    MakeCountryData();
    const std::string folder = WindowsFolder();
    // Japan: latitude 72000-165600, longitude 439200-554400 at 0.0088 pixels a second.
    TimeDrawing(state, 1000, Folder() / "sea.txt", [&](vd::ImageDc& dc) {
        draw(&dc, 0, 165600, 439200, 72000, 554400, 0, 1, 1, -1, 0, 110, 900, 0, 700, 0.0f, 0.0f, 0.0088f, 0.0088f,
             "/" + Flags(), "5339", "", "", folder + "sea.txt", folder, "");
    });
}
BENCHMARK(BM_CountrySeaCells)->Unit(benchmark::kMillisecond);

constexpr float kSubdividedScale = 0.28f;

void BM_SubdividedLandUse(benchmark::State& state)
{
    auto* draw = Entry(state, &PelmoraExports::OnDdPlnF10Mesh);
    if (!draw)
        return;
    MakeSubdividedData();
    const std::string folder = WindowsFolder();
    TimeDrawing(state, 10000, Folder() / "L03-03M_13.txt", [&](vd::ImageDc& dc) {
        draw(&dc, 5, 129600, 500400, 127200, 504000, 0, 1, 1, 10001, 3, 0, 900, 0, 700, 0, 0.0f, 0.0f,
             kSubdividedScale, kSubdividedScale, "/" + Flags(), "5339", "", "", folder + "(L03-03M_)", folder,
             "100000000000");
    });
}
BENCHMARK(BM_SubdividedLandUse)->Unit(benchmark::kMillisecond);

void BM_ClimateRelief(benchmark::State& state)
{
    auto* draw = Entry(state, &PelmoraExports::OnDdPlainMeshRelief);
    if (!draw)
        return;
    MakeSubdividedData();
    const std::string folder = WindowsFolder();
    TimeDrawing(state, 10000, Folder() / "CLIMRLF_13.txt", [&](vd::ImageDc& dc) {
        draw(&dc, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, 3, 0, 900, 3, 700, 0, 0.0f, 0.0f, kSubdividedScale,
             kSubdividedScale, "/" + Flags(), "5339", "", "", folder + "(CLIMRLF_)", folder, "");
    });
}
BENCHMARK(BM_ClimateRelief)->Unit(benchmark::kMillisecond);

} // namespace
