// Speed of the municipality boundary conversion: one generated n03 source of 20,000 links with
// 800,000 points (40 a link) and 5,000 areas of four links each, converted into its municipality
// boundary file as Surrick converts it. Under 3 s a file is the aim.
#include "municipal/conversion/SourceFileConversion.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kLinks = 20000;
constexpr int kPointsPerLink = 40;
constexpr int kAreas = 5000;

std::string GeneratedSource()
{
    std::string text = "N03 BENCH\r\n";
    text += vd::format("%8d        %8d%8d                %8d\r\n", kLinks + 2 * kAreas, kLinks, kAreas, kAreas);
    for (int link = 1; link <= kLinks; ++link) {
        text += vd::format("L  %6d                  %6d             %6d\r\n", link, 1, kPointsPerLink);
        for (int p = 0; p < kPointsPerLink; ++p) {
            text += vd::format("%8d%8d", 4860000 + link * 7 + p, 1260000 + link * 3 - p);
            if (p % 5 == 4)
                text += "\r\n";
        }
    }
    for (int area = 0; area < kAreas; ++area) {
        text += vd::format("A         4860000 1260000          %10d%6d\r\n", 25000 + area, 4);
        for (int k = 1; k <= 4; ++k)
            text += vd::format("%6d%6d  ", area * 4 + k, k % 2 ? 1 : -1);
        text += "\r\n";
    }
    text += "D\r\n";
    for (int area = 0; area < kAreas; ++area)
        text += vd::format("DA      %05d   PREF                                            CITY\r\n", 25000 + area);
    return text;
}

void BM_ConvertAdministrativeAreaFile(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "veldoran-boundary-bench";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "n03-001-25.txt", std::ios::binary) << GeneratedSource();
    const std::string win = vd::toWindowsPath(folder.string()).value_or("") + "\\";
    const std::string source = win + "n03-001-25.txt";
    const std::string output = win + "Pg001_25.dat";

    const auto first = municipal::ConvertSourceFile(source, output, municipal::SourceTheme::AdministrativeArea);
    const auto size = std::filesystem::file_size(folder / "Pg001_25.dat");
    if (!first.written || size < std::uintmax_t(kLinks) * kPointsPerLink * 8) {
        state.SkipWithError("the generated source converted to less than its points");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(municipal::ConvertSourceFile(source, output, municipal::SourceTheme::AdministrativeArea));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ConvertAdministrativeAreaFile)->Unit(benchmark::kMillisecond);

} // namespace
