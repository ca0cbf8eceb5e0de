// The find-place dialog at its fullest: 29,999 place lines listed when the dialog opens, then
// listed again for a region (近畿中部) as its region button does, in both record layouts.
#include "bench/BenchSupport.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "view/findplace/FindPlaceDialog.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = CDlgFindPlace::kRecordRoom - 1;

std::vector<std::string> Records(int mode)
{
    std::vector<std::string> records;
    for (int i = 0; i < kEntries; ++i) {
        const int latitude = 30 + i % 14, longitude = 129 + i % 16;
        // Municipality records: city in bytes 0-11, ward 12-23, longitude 25-31 and latitude
        // 33-39 in tenths of an arc-second.
        if (mode == 3)
            records.push_back(vd::utf8ToCp932(vd::format("市%05d     区%05d      %07d %07d%05d", i % 100, i,
                                                         longitude * 36000, latitude * 36000, i % 100000)));
        else
            records.push_back(vd::format("地点%d %d.%02d00 %d.%02d00 説明", i, latitude, i % 60, longitude, i % 60));
    }
    records.push_back("999");
    return records;
}

void FillAndFilterByRegion(benchmark::State& state)
{
    bench::ensureGuiApplication();
    const int mode = int(state.range(0));
    CDlgFindPlace dialog(nullptr);
    dialog.m_astrRecord = Records(mode);
    dialog.m_nPlaceMode = mode;
    dialog.m_strRegion = "近畿中部";
    if (!dialog.Create()) {
        state.SkipWithError("no dialog");
        return;
    }
    dialog.FillList();
    const int listed = dialog.m_nCount;
    dialog.DestroyWindow();
    if (listed == 0) {
        state.SkipWithError("the region listed no place");
        return;
    }
    for (auto _ : state) {
        dialog.m_strRegion = "全国";
        if (!dialog.Create())
            state.SkipWithError("no dialog");
        dialog.m_strRegion = "近畿中部";
        dialog.FillList();
        benchmark::DoNotOptimize(dialog.m_nCount);
        dialog.DestroyWindow();
    }
}
BENCHMARK(FillAndFilterByRegion)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
