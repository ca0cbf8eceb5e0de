// Building the intermediate depth files of one block (3 x 3 first-level meshes) from the 16 full
// depth text files around it: 614,400 soundings, one for every 500 m cell of 16 square degrees.
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "platform/ui/PathForm.h"
#include "submarine/DepthFileBuilder.h"
#include "submarine/SubmarineOverviewProjection.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// A depth for every cell of the square, varying with the position.
void WriteFullDepthFile(const std::filesystem::path& folder, int latitude, int longitude)
{
    std::ofstream out(folder / vd::format("DP%d_%d.txt", latitude, longitude), std::ios::binary);
    for (int row = 0; row < 240; ++row)
        for (int column = 0; column < 160; ++column)
            out << vd::format("%d %.6f %.6f %d\r\n", (row + column) % 2, latitude + (row + 0.5) / 240.0,
                              longitude + (column + 0.5) / 160.0, 50 + (row * 7 + column * 3) % 3000);
}

void BM_DepthFilesOfOneBlock(benchmark::State& state)
{
    const std::filesystem::path home = bench::ScratchHome();
    const std::filesystem::path folder = home / "depth";
    std::filesystem::create_directories(folder / "SEAFLOOR");
    for (int latitude = 33; latitude <= 36; ++latitude)
        for (int longitude = 133; longitude <= 136; ++longitude)
            WriteFullDepthFile(folder, latitude, longitude);
    const std::string depthFolder = vd::ui::toWindowsForm(folder.string()) + "\\";
    vd::ImageDc dc(1024, 768);
    const SubmarineOverviewProjection projection(300, 0);
    {
        DepthFileBuilder builder(dc, projection, depthFolder, 768);
        builder.Build({34, 134});
        if (builder.FilesWritten() != 9) {
            state.SkipWithError("the block did not give its nine files");
            return;
        }
    }
    for (auto _ : state) {
        DepthFileBuilder builder(dc, projection, depthFolder, 768);
        builder.Build({34, 134});
        benchmark::DoNotOptimize(builder.FilesWritten());
    }
}
BENCHMARK(BM_DepthFilesOfOneBlock)->Unit(benchmark::kMillisecond);

} // namespace
