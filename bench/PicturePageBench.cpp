// The picture page of a large photograph while an album plays: a 4000 x 3000 JPEG decoded and
// shrunk to fit a 1024 x 768 view.
#include "app/document/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/UiScript.h"
#include "tests/graphics/JpegFixtures.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::vector<std::uint8_t> Gradient(int x, int y)
{
    return {std::uint8_t(x / 16), std::uint8_t(y / 12), std::uint8_t((x + y) / 28)};
}

void BM_PicturePageFitted(benchmark::State& state)
{
    const auto home = bench::ScratchHome();
    WriteFile(home / "PICT" / "BIG.JPG", MakeJpegBytes(JpegKind::Rgb, 4000, 3000, Gradient));
    const auto script = vd::ui::Script::install();
    auto doc = std::make_unique<CVeldoranDoc>();
    vd::FrameWindow frame;
    vd::CreateContext context;
    context.makeView = [&] { return std::make_unique<CVeldoranView>(*doc); };
    context.document = doc.get();
    frame.LoadFrame(9501, &context);
    auto* view = static_cast<CVeldoranView*>(frame.GetActiveView());
    view->MoveWindow(0, 0, 1024, 768, false);
    doc->entry.m_strEntryTarget = "@:PICT\\BIG.JPG";
    doc->m_nFileKind = 1;
    doc->entry.m_nPictureFit = 1;
    vd::ImageDc dc(1024, 768);
    view->m_pPages->DrawPicturePage(dc, 1);
    if (dc.GetPixel(300, 300) == vd::RGB(255, 255, 255)) {
        state.SkipWithError("the picture page drew nothing");
        return;
    }
    for (auto _ : state)
        view->m_pPages->DrawPicturePage(dc, 1);
}

} // namespace

BENCHMARK(BM_PicturePageFitted)->Unit(benchmark::kMillisecond);
