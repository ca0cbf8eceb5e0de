// A full repaint of the start sheet 京都及大阪 in a 3 x 3 block at 1024 x 768 from the bundled
// sample data: the block's fill, coastline, prefecture borders, lakes, grid, scale bar, side
// panel and point overlay, drawn by the map renderer as the layered map draws it.
#include "app/document/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/UiScript.h"
#include "view/renderer/MapRenderer.h"
#include "view/window/VeldoranView.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// A document over the scratch application folder seeded with the sample data (the user's own
// folder and profile are never touched), showing the start sheet, with the program's map view in
// a frame: the view connects the renderer's pieces (labels, overlays) as the program does, so the
// repaint draws what a user sees whether or not another benchmark made a view before.
struct SheetView {
    std::unique_ptr<CVeldoranDoc> doc;
    vd::FrameWindow frame;
};

CVeldoranDoc& SheetDocument()
{
    static SheetView* made = [] {
        bench::ScratchHome();
        static const std::shared_ptr<vd::ui::Script> script = vd::ui::Script::install();
        auto* v = new SheetView;
        v->doc = std::make_unique<CVeldoranDoc>();
        CVeldoranDoc& d = *v->doc;
        vd::CreateContext context;
        context.makeView = [&d] { return std::make_unique<CVeldoranView>(d); };
        context.document = &d;
        v->frame.LoadFrame(9501, &context);
        d.m_strMapName = "京都及大阪";
        d.FindSheetByName(d.m_strMapName, d.folders.m_strSheetIndexFile);
        d.position.m_nMapType = 1;
        d.position.m_nMapFrame = 2;
        d.position.m_nMapMode = 9;
        d.position.m_nMapFigure = 0;
        d.spec.m_nLake = 1;
        d.spec.m_nPrefBorder = 1;
        return v;
    }();
    return *made->doc;
}

void BM_SheetBlockRepaint(benchmark::State& state)
{
    CVeldoranDoc& doc = SheetDocument();
    vd::ImageDc dc(1024, 768);
    {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawSheetMap(0, 1);
    }
    if (bench::DrawnPixels(dc) < 10000) {
        state.SkipWithError("the sheet block was not drawn");
        return;
    }
    for (auto _ : state) {
        CMapRenderer renderer(&dc, &doc, 1024, 768);
        renderer.DrawSheetMap(0, 1);
    }
    state.counters["height"] = doc.m_nMapPixelHeight;
}
BENCHMARK(BM_SheetBlockRepaint)->Unit(benchmark::kMillisecond);

} // namespace
