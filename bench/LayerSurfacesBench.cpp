// Drawing speed of the national-land surface layers, loaded as the program loads Pelmora, into a
// 1024 x 768 picture of the white-map mesh 5339 (zoom 3.2):
// - a prefecture file of 2,000 areas (a 50 x 40 grid, each from two chains of 25 points:
//   100,000 points), filled and named;
// - a whole-country theme D file of 1,000,000 records, 10,000 of them in 5339 after 200,000
//   records elsewhere; the early end stops reading 5,000 records after the last part drawn.
// No surface data is bundled, so the files are made here in the published layouts.
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

constexpr int kColumns = 50;
constexpr int kRows = 40;
constexpr int kChainPoints = 25;
constexpr int kWest = 500400;
constexpr int kSouth = 127200;

std::filesystem::path BenchFolder()
{
    const auto folder = std::filesystem::temp_directory_path() / "veldoran-bench-surfaces";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Msh_prft.dat", std::ios::binary) << "5339=13\r\n";
    return folder;
}

// Points of a chain, five a line, in tenths of a second.
void WriteChain(std::ofstream& out, int number, const std::vector<std::pair<int, int>>& points)
{
    out << vd::format("L  533900%18s%6d%13s%d\r\n", "", number, "", int(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        out << vd::format("%08d%08d", points[i].first * 10, points[i].second * 10);
        if (i % 5 == 4 || i + 1 == points.size())
            out << "\r\n";
    }
}

void MakeAreaFile(const std::filesystem::path& folder)
{
    std::ofstream out(folder / "AREASBEN13.txt", std::ios::binary);
    const int width = 3600 / kColumns, height = 2400 / kRows;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            const int area = row * kColumns + col;
            const int west = kWest + col * width, south = kSouth + row * height;
            // South then east edge; north then west edge.
            std::vector<std::pair<int, int>> first, second;
            for (int i = 0; i < kChainPoints; ++i) {
                const int t = i * 2 * width / kChainPoints;
                first.push_back(t <= width ? std::pair{west + t, south}
                                           : std::pair{west + width, south + (t - width) * height / width});
                second.push_back(t <= width ? std::pair{west + width - t, south + height}
                                            : std::pair{west, south + height - (t - width) * height / width});
            }
            WriteChain(out, 2 * area + 1, first);
            WriteChain(out, 2 * area + 2, second);
            out << vd::format("A%34s%010d%6d\r\n", "", area, 2);
            out << vd::format("533900%6d  533900%6d  \r\n", 2 * area + 1, 2 * area + 2);
        }
    for (int area = 0; area < kColumns * kRows; ++area)
        out << vd::format("D  %010d%51s区%04d\r\n", area, "", area);
}

void MakeCountryFile(const std::filesystem::path& folder)
{
    std::ofstream out(folder / "country-d.txt", std::ios::binary);
    const auto record = [&](const char* mesh, int part, double x, double y) {
        out << vd::format("       %s%26s0123%02d    %d%7.4f%7.4f\r\n", mesh, "", 13, part, x, y);
    };
    for (int i = 0; i < 200000; ++i)
        record("523800", i % 20 == 0 ? 1 : 0, 0.5, 0.5);
    for (int i = 0; i < 10000; ++i)
        record(i % 2 ? "533912" : "533945", i % 20 == 0 ? 1 : 0, (i % 20) / 20.0, (i % 7) / 7.0);
    for (int i = 0; i < 790000; ++i)
        record("553900", i % 20 == 0 ? 1 : 0, 0.5, 0.5);
}

std::string AllPrefectures()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

bool Drawn(const vd::ImageDc& dc)
{
    int coloured = 0;
    for (int y = 0; y < 768; y += 4)
        for (int x = 0; x < 1024; x += 4)
            coloured += dc.GetPixel(x, y) != vd::RGB(255, 255, 255);
    return coloured > 1000;
}

void BM_PrefectureAreasFilledAndNamed(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* draw = Pelmora().OnDdSurfaceWhite.fn;
    if (!draw) {
        state.SkipWithError("libpelmora.so not found beside the bench folder");
        return;
    }
    const auto linuxFolder = BenchFolder();
    MakeAreaFile(linuxFolder);
    const std::string folder = vd::toWindowsPath(linuxFolder.string()).value_or("") + "\\";
    vd::ImageDc dc(1024, 768);
    const auto drawOnce = [&] {
        draw(&dc, 0, 7, 0, 0, 1, 5339, 0, 0, 0, -1, 1, 1, 700, 0, 0, 3.2f, 3.2f, AllPrefectures(), "5339", "行政界", "",
             folder + "(AREASBENxx.txt)", folder);
    };
    drawOnce();
    if (!Drawn(dc)) {
        state.SkipWithError("the areas were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
    bench::SetFileBytesProcessed(state, linuxFolder / "AREASBEN13.txt");
}
BENCHMARK(BM_PrefectureAreasFilledAndNamed)->Unit(benchmark::kMillisecond);

void BM_CountryThemeDMillionRecords(benchmark::State& state)
{
    bench::ensureGuiApplication();
    vd::LibraryLoader::setOverride("Pelmora.DLL", (BinFolder() / "libpelmora.so").string());
    auto* draw = Pelmora().OnDdSurfaceWhole.fn;
    if (!draw) {
        state.SkipWithError("libpelmora.so not found beside the bench folder");
        return;
    }
    const auto linuxFolder = BenchFolder();
    MakeCountryFile(linuxFolder);
    const std::string folder = vd::toWindowsPath(linuxFolder.string()).value_or("") + "\\";
    vd::ImageDc dc(1024, 768);
    const auto drawOnce = [&] {
        draw(&dc, 7, 1, 3, 0, 0, 0, 0, 0, -1, 1, 0, 700, 0.0f, 0.0f, 3.2f, 3.2f, AllPrefectures(), "5339", "面", "",
             folder + "country-d.txt", folder);
    };
    drawOnce();
    if (!Drawn(dc)) {
        state.SkipWithError("the parts were not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
    bench::SetFileBytesProcessed(state, linuxFolder / "country-d.txt");
}
BENCHMARK(BM_CountryThemeDMillionRecords)->Unit(benchmark::kMillisecond);

} // namespace
