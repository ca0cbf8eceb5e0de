// A full repaint of the start sheet 京都及大阪 in a 3 x 3 block at 1024 x 768 from the bundled
// sample data: the block's fill, coastline, prefecture borders, lakes, grid, scale bar, side
// panel and point overlay, drawn by the map renderer as the layered map draws it.
#include "app/VeldoranDoc.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/ExecutableFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "view/MapRenderer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// A document over a scratch application folder seeded with the sample data (the user's own
// folder and profile are never touched), showing the start sheet.
CVeldoranDoc& SheetDocument()
{
    static std::unique_ptr<CVeldoranDoc> doc = [] {
        static int argc = 1;
        static char name[] = "veldoran-bench";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
            new QGuiApplication(argc, argv);
        }
        const fs::path bin = vd::executableFolder().parent_path() / "bin";
        const fs::path home = fs::temp_directory_path() / "veldoran-sheetmap-bench";
        fs::remove_all(home);
        fs::create_directories(home);
        fs::copy(bin / "data", home, fs::copy_options::recursive);
        setenv("VELDORAN_HOME", home.c_str(), 1);
        setenv("VELDORAN_PROFILE", (home / "profile.ini").c_str(), 1);
        vd::LibraryLoader::setOverride("Dovanne.dll", (bin / "libdovanne.so").string());
        auto d = std::make_unique<CVeldoranDoc>();
        d->m_strMapName = "京都及大阪";
        d->FindSheetByName(d->m_strMapName, d->m_strSheetIndexFile);
        d->m_nMapType = 1;
        d->m_nMapFrame = 2;
        d->m_nMapMode = 9;
        d->m_nMapFigure = 0;
        d->m_nLake = 1;
        d->m_nPrefBorder = 1;
        return d;
    }();
    return *doc;
}

void BM_SheetBlockRepaint(benchmark::State& state)
{
    CVeldoranDoc& doc = SheetDocument();
    vd::ImageDc dc(1024, 768);
    for (auto _ : state) {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawSheetMap(0, 1);
    }
    state.counters["height"] = doc.m_nMapPixelHeight;
}
BENCHMARK(BM_SheetBlockRepaint)->Unit(benchmark::kMillisecond);

} // namespace
