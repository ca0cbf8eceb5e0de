// Speed of the scenario seismic hazard maps, with Halvette loaded as the program loads it:
// - a 380,000-record scenario file (cells of 135 to 145 degrees east, 34 to 38 north, west to
//   east), the white map of the 3 x 3 block around 5339 drawn into a 1024 x 768 picture: reading
//   stops at the first record east of the block;
// - the same cells as a subduction file (77-byte records, degree header) with its degree index:
//   the drawing seeks to the block's western degree.
// No scenario data is bundled, so the files are made here in the published layout.
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

constexpr int kColumns = 800; // 135 to 145 degrees at 45 seconds
constexpr int kRows = 475;    // from 34 degrees north at 30 seconds

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto f = std::filesystem::temp_directory_path() / "veldoran-bench-scenario";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

std::string WindowsFolder() { return vd::toWindowsPath(Folder().string()).value_or("") + "\\"; }

// Both files and the list, written once; values vary so that every class colour appears.
void MakeScenarioFiles()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    for (const char* name : {"BENCH-MAP-A.CSV", "BENCH-MAP-S_K.CSV"}) {
        std::ofstream out(Folder() / name, std::ios::binary);
        out << "# bench scenario\r\n";
        for (int degree = 135; degree <= 145; ++degree)
            out << degree << " degree\r\n";
        out << "# DATA\r\n# XPO YPO\r\n";
        for (int c = 0; c < kColumns; ++c)
            for (int r = 0; r < kRows; ++r) {
                std::string line = vd::format("%3d,%3d,%12.6f,%11.6f,%4.1f,%4.1f,%8.2f,%4.1f,%4.1f,%8.2f,%4.2f", 1,
                                              2, 135.00625 + c * 0.0125, 34.004167 + r / 120.0, 0.0, 0.0,
                                              double((c + r) % 170), 0.0, 0.0, double((c * 3 + r) % 170),
                                              2.0 + (c + r) % 50 * 0.1);
                line.resize(75, ' ');
                out << line << "\r\n";
            }
    }
    std::filesystem::remove(Folder() / "BENCH-MAP-S_K.hdr");
    std::ofstream(Folder() / "FLTFILE.DAT", std::ios::binary)
        << "plain=" << WindowsFolder() << "BENCH-MAP-A.CSV\r\nsubduction=" << WindowsFolder()
        << "BENCH-MAP-S_K.CSV\r\n";
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

void Draw(OnSeisWhiteMesh_fn* draw, vd::ImageDc& dc, int entry)
{
    draw(&dc, 0, 999, 1, 2, 0, 2, 11, 1024, entry, 760, 0.f, 0.f, 1.f, 1.f, "", "5339", "9", WindowsFolder());
}

void DrawScenario(benchmark::State& state, int entry)
{
    auto* draw = Entry(state);
    if (!draw)
        return;
    MakeScenarioFiles();
    vd::ImageDc dc(1024, 768);
    Draw(draw, dc, entry); // builds the degree index of the subduction file
    if (bench::DrawnPixels(dc) < 100000) {
        state.SkipWithError("the cells were not drawn");
        return;
    }
    for (auto _ : state)
        Draw(draw, dc, entry);
}

void BM_ScenarioWhiteBlock(benchmark::State& state) { DrawScenario(state, 0); }
BENCHMARK(BM_ScenarioWhiteBlock)->Unit(benchmark::kMillisecond);

void BM_SubductionWhiteBlock(benchmark::State& state) { DrawScenario(state, 1); }
BENCHMARK(BM_SubductionWhiteBlock)->Unit(benchmark::kMillisecond);

} // namespace
