// CP932 <-> UTF-8 conversion and byte counting: every text file line and every drawn label
// passes through these.
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A line as the published data and the user's point files hold them: kanji, kana, half-width
// katakana, digits and blanks.
const std::string kLineUtf8 = "東京都千代田区 35.4130 139.4545 ﾃｷｽﾄ 皇居外苑・北の丸公園 c:\\data\\表示.txt 12345";

std::string block(const std::string& line, std::size_t bytes)
{
    std::string out;
    while (out.size() < bytes)
        out += line + "\r\n";
    return out;
}

void Cp932DecodeLine(benchmark::State& state)
{
    const std::string line = vd::utf8ToCp932(kLineUtf8);
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::cp932ToUtf8(line));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}
BENCHMARK(Cp932DecodeLine);

void Cp932DecodeMegabyte(benchmark::State& state)
{
    const std::string text = block(vd::utf8ToCp932(kLineUtf8), 1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::cp932ToUtf8(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Cp932DecodeMegabyte);

void Cp932EncodeLine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::utf8ToCp932(kLineUtf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kLineUtf8.size()));
}
BENCHMARK(Cp932EncodeLine);

void Cp932WidthLine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::cp932Width(kLineUtf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kLineUtf8.size()));
}
BENCHMARK(Cp932WidthLine);

void Cp932FormatLabel(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vd::format("%-30s%2.4f   %3.4f  %-10d", "東京タワー", 35.6586, 139.7454, 333));
}
BENCHMARK(Cp932FormatLabel);

} // namespace
