// Reading and drawing a 20,000-point "trk" track inside the 3 x 3 block around Tokyo at
// 1024 x 768, with a distance mark every kilometre, through Dovanne as the renderer calls it.
#include "bench/BenchSupport.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

namespace {

using bench::BinFolder;

constexpr int kWest = 138 * 3600, kNorth = 36 * 3600 + 40 * 60, kEast = 141 * 3600, kSouth = 34 * 3600 + 40 * 60;

// A winding walk of 20,000 points, one every 2 arc-seconds east, swinging north and south.
std::string WriteTrack()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "vd-bench-track.trk";
    std::ofstream out(path, std::ios::binary);
    out << "H  SOFTWARE NAME & VERSION\r\nU  LAT LON DMS\r\nH  LATITUDE    LONGITUDE    DATE      TIME\r\n";
    for (int i = 0; i < 20000; ++i) {
        const int latitude = 35 * 3600 + 40 * 60 + (i % 400 < 200 ? i % 400 : 400 - i % 400) * 5;
        const int longitude = kWest + 600 + i / 2;
        char line[96];
        std::snprintf(line, sizeof line, "T  N%02d%02d%02d.0 E%03d%02d%02d.0 10-JAN-26 09:00:00\r\n", latitude / 3600,
                      latitude / 60 % 60, latitude % 60, longitude / 3600, longitude / 60 % 60, longitude % 60);
        out << line;
    }
    return vd::toWindowsPath(path.string()).value_or("");
}

void BM_TrackOverSheetBlock(benchmark::State& state)
{
    bench::ensureGuiApplication();
    static const bool loaded =
        vd::LibraryLoader::setOverride("Dovanne", (BinFolder() / "libdovanne.so").string()) || true;
    (void)loaded;
    auto* draw = Dovanne().OnTrackDrawModule.fn;
    if (!draw) {
        state.SkipWithError("libdovanne.so not found beside the bench folder");
        return;
    }
    const std::string file = WriteTrack();
    vd::ImageDc dc(1024, 768);
    // 3 x 3 sheets at zoom 1: 320 pixels a sheet.
    auto drawOnce = [&] {
        draw(&dc, file, 1, 0, 0, 14, 18, kWest, kNorth, kEast, kSouth, 0, 10, 1, 0, "trk", "Walk", 0.08888889f,
             0.13333334f, 25.1f, 30.8f, 1.f, 10.f, 30.f);
    };
    drawOnce();
    if (bench::DrawnPixels(dc) < 1000) {
        state.SkipWithError("the track was not drawn");
        return;
    }
    for (auto _ : state)
        drawOnce();
}
BENCHMARK(BM_TrackOverSheetBlock)->Unit(benchmark::kMillisecond);

} // namespace
