// A mouse move over the 7 x 7 block with 4,999 drawn registered points and none under the
// pointer: the hover test of the registered points and of the site names, as the view's mouse
// runs them on every move.
#include "app/document/VeldoranDoc.h"
#include "bench/BenchSupport.h"
#include "platform/dc/ImageDc.h"
#include "view/pointer/PointerActions.h"
#include "view/window/VeldoranView.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_PointerMoveWithoutHit(benchmark::State& state)
{
    bench::ScratchHome();
    auto doc = std::make_unique<CVeldoranDoc>();
    auto view = std::make_unique<CVeldoranView>(*doc);
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 49;
    for (int i = 0; i < 4999; ++i) {
        doc->m_astrHitRecord[std::size_t(i)] = "地点 35.4000 140.3000 寺院 @:TEXT\\A.TXT";
        doc->m_anHitX[std::size_t(i)] = std::int16_t(10 + (i * 37) % 960);
        doc->m_anHitY[std::size_t(i)] = std::int16_t(30 + (i * 53) % 660);
    }
    doc->m_astrHitRecord[4999] = "999";
    doc->m_nSiteNameTipCount = 0;
    vd::ImageDc dc(1024, 768);
    PointerActions& pointer = *view->m_pPointer;
    for (auto _ : state) {
        pointer.HoverRegisteredPoint(dc, 1000, 5);
        pointer.ShowPointTip(dc, 1000, 5);
    }
}
BENCHMARK(BM_PointerMoveWithoutHit)->Unit(benchmark::kMicrosecond);

} // namespace
