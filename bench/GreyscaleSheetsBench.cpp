// Making the greyscale tint bitmaps of every sheet of the bundled sheet index from synthetic
// 250 m elevation mesh files (about 540 KB each), as the tint command runs it.
#include "bench/BenchSupport.h"
#include "basemap/sheetindex/SheetIndexFile.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// One .sem file per sheet of the index; the count written.
int WriteMeshFiles(const std::filesystem::path& home, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    std::string record;
    int written = 0;
    const auto lines = ReadSheetIndex(vd::toWindowsPath((home / "BlcMap20.idx").string()).value_or(""));
    for (const SheetIndexLine& line : lines.value_or(std::vector<SheetIndexLine>{})) {
        if (line.IsEmpty() || line.IsComment())
            continue;
        const int code = line.MeshCode();
        std::ofstream out(folder / vd::format("%02d%02d.sem", code / 100, code % 100), std::ios::binary);
        out << std::string(1009, 'H') << "\r\n";
        for (int row = 1; row <= 320; ++row) {
            record = vd::format("%04d01%03d", code, row);
            for (int column = 0; column < 320; ++column)
                record += vd::format("%05d", (row * 37 + column * 11) % 4000);
            out << record << "\r\n";
        }
        ++written;
    }
    return written;
}

void BM_GreyscaleSheetsOfTheIndex(benchmark::State& state)
{
    const std::filesystem::path home = bench::ScratchHome();
    auto* make = Dovanne().OnMapFigureMakeModule.fn;
    if (!make) {
        state.SkipWithError("libdovanne.so not found beside the bench folder");
        return;
    }
    const std::filesystem::path semFolder = home / "SEM";
    const int sheets = WriteMeshFiles(home, semFolder);
    const std::string appFolder = vd::toWindowsPath(home.string()).value_or("") + "\\";
    const std::string semPrefix = vd::toWindowsPath(semFolder.string()).value_or("") + "\\";
    vd::ImageDc dc(1024, 768);
    for (auto _ : state)
        make(&dc, 1024, 768, semPrefix, appFolder);
    state.counters["sheets"] = sheets;
    // About 70 MB of mesh files: not left in the temporary folder.
    std::filesystem::remove_all(semFolder);
}
BENCHMARK(BM_GreyscaleSheetsOfTheIndex)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
