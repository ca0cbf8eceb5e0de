// Building the intermediate depth files of one block (3 x 3 first-level meshes) from the 16 full
// depth text files around it: 614,400 soundings, one for every 500 m cell of 16 square degrees.
// The depth maps of a 7 x 7 block (560 x 560 cells) at 1024 x 768: tint, relief and contours.
#include "bench/BenchSupport.h"
#include "contracts/ombrisk.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "platform/ui/PathForm.h"
#include "submarine/DepthFileBuilder.h"
#include "submarine/SubmarineOverviewProjection.h"

#include <benchmark/benchmark.h>

#include <cmath>
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

// The 49 intermediate files of the 7 x 7 block from mesh 5235: a sea floor falling to the
// south-east with ridges, and a corner of land (no data) in the north-west.
std::string SevenBySevenFolder()
{
    const std::filesystem::path folder = bench::ScratchHome() / "depth7";
    std::filesystem::create_directories(folder / "SEAFLOOR");
    for (int meshRow = 0; meshRow < 7; ++meshRow)
        for (int meshColumn = 0; meshColumn < 7; ++meshColumn) {
            std::string bytes;
            for (int r = 0; r < 160; ++r)
                for (int c = 0; c < 160; ++c) {
                    const int row = meshRow * 160 + r;
                    const int column = meshColumn * 160 + c;
                    const int depth =
                        row < 100 && column < 100
                            ? 0
                            : 20 + 3 * (row + column) + int(250.0 * std::sin(row / 37.0) * std::cos(column / 23.0));
                    bytes.push_back(char(depth & 0xFF));
                    bytes.push_back(char((depth >> 8) & 0xFF));
                }
            std::ofstream(folder / "SEAFLOOR" / vd::format("Sf%d%2d.dat", 58 - meshRow, 35 + meshColumn),
                          std::ios::binary)
                << bytes;
        }
    return vd::ui::toWindowsForm(folder.string()) + "\\";
}

enum class DepthMap { Tint, Relief, Contour };

void DrawDepthMap(vd::ImageDc& dc, const std::string& folder, DepthMap map)
{
    constexpr int kWest = 135 * 3600;
    constexpr int kSouth = 52 * 2400;
    constexpr int kEast = kWest + 7 * 3600;
    constexpr int kNorth = kSouth + 7 * 2400;
    const float scaleX = 1024.0f / float(kEast - kWest);
    const float scaleY = 768.0f / float(kNorth - kSouth);
    switch (map) {
    case DepthMap::Tint:
        OnSubmarineTpgraphyMesh(&dc, folder, "5235", 768, 1024, 0, 0, 0, 0, scaleX, scaleY, kEast, kNorth, kWest,
                                kSouth, 7, 0xFFFF00);
        break;
    case DepthMap::Relief:
        OnSubmarineTpgraphyRelief(&dc, folder, "5235", 768, 1024, 0, 0, 0, 0, scaleX, scaleY, kEast, kNorth, kWest,
                                  kSouth, 7, 0);
        break;
    case DepthMap::Contour:
        OnSubmarineContour(&dc, folder, "5235", 768, 1024, 1, 1, 0, 0, 0, scaleX, scaleY, kEast, kNorth, kWest, kSouth,
                           7, 0xFFFF00);
        break;
    }
}

void BM_DepthMapOfSevenBySeven(benchmark::State& state, DepthMap map)
{
    const std::string folder = SevenBySevenFolder();
    vd::ImageDc dc(1024, 768);
    dc.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    DrawDepthMap(dc, folder, map);
    if (bench::DrawnPixels(dc) < 100000 / (map == DepthMap::Contour ? 10 : 1)) {
        state.SkipWithError("the depth map drew too little");
        return;
    }
    for (auto _ : state)
        DrawDepthMap(dc, folder, map);
}
BENCHMARK_CAPTURE(BM_DepthMapOfSevenBySeven, tint, DepthMap::Tint)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DepthMapOfSevenBySeven, relief, DepthMap::Relief)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DepthMapOfSevenBySeven, contour, DepthMap::Contour)->Unit(benchmark::kMillisecond);

} // namespace
