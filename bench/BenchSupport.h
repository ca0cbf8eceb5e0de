#pragma once
// What the benchmarks share: an offscreen application for drawing and fonts, the built tree's
// bin/ folder (libraries and bundled data, beside bench/) and a scratch application folder.
#include "platform/dc/Color.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace vd {
class ImageDc;
}

namespace bench {

// Starts an offscreen QApplication once.
void ensureGuiApplication();

const std::filesystem::path& BinFolder();

// The process's scratch application folder (VELDORAN_HOME, with its own profile), made and seeded
// with the bundled data on the first call, with the built Dovanne put in place; every benchmark
// of the process shares it, as the program keeps the application folder it found first. The
// user's own folder and profile are never touched; the folder goes at exit. Starts the
// application too.
std::filesystem::path ScratchHome();

// The pixels of the picture that are not `background`: checked before a timing loop, so a
// benchmark never times a drawing of nothing.
int DrawnPixels(const vd::ImageDc& dc, vd::COLORREF background = vd::RGB(255, 255, 255));

// The read rate of a benchmark that reads the file once an iteration: its bytes times the
// iterations, reported as bytes per second. Called after the timing loop.
void SetFileBytesProcessed(benchmark::State& state, const std::filesystem::path& file);

} // namespace bench
