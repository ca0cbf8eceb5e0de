// Decoding speed of the third-level mesh records: 10,000 climate records (a mesh layer's cells of
// one prefecture) placed and classed item by item, and 10,000 census records of 1,300 bytes with
// a value from the caller's class table. Records are made here in the published layouts.
#include "meshcode/CensusRecords.h"
#include "meshcode/ColourClasses.h"
#include "meshcode/MeshRecordPosition.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kRecords = 10000;

std::vector<std::string> MakeRecords(std::size_t size)
{
    std::vector<std::string> records;
    for (int i = 0; i < kRecords; ++i) {
        std::string line(size, ' ');
        line.replace(5, 8, vd::format("5339%d%d%d%d", i % 8, i / 8 % 8, i / 64 % 10, i / 640 % 10));
        for (std::size_t column = 13; column + 5 <= size; column += 5)
            line.replace(column, 5, vd::format("%5d", (i * 7 + int(column)) % 3000 - 200));
        records.push_back(std::move(line));
    }
    return records;
}

void BM_ClimateRecords(benchmark::State& state)
{
    const std::vector<std::string> records = MakeRecords(300);
    const meshcode::CellWindow window{500400, 127200, 129600, 504000};
    for (auto _ : state) {
        long long sum = 0;
        for (const std::string& line : records) {
            if (!meshcode::ThirdMeshRecordCorner(line, window))
                continue;
            for (int item : {0, 3, 4, 116, 133})
                sum += meshcode::DecodeMeshValue(line, 0, item, meshcode::ClassWidth(0, item)).result;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ClimateRecords)->Unit(benchmark::kMillisecond);

void BM_CensusRecords(benchmark::State& state)
{
    const std::vector<std::string> records = MakeRecords(1300);
    std::string spec;
    for (int k = 0; k < 28; ++k)
        spec += vd::format("item %d/%d/%d/50#", k, 100 + 10 * k, 107 + 10 * k);
    const meshcode::CensusColumns columns = meshcode::CensusColumnsOf(meshcode::ParseCensusClassSpec(spec));
    for (auto _ : state) {
        double total = 0;
        for (const std::string& line : records)
            total += meshcode::DecodeCensusValue(line, 200, 9, 0, columns).added;
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_CensusRecords)->Unit(benchmark::kMillisecond);

} // namespace
