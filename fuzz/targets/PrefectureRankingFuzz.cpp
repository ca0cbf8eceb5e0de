// The document's ranking of a per-prefecture data set: the bytes become the data set and both
// divisor files, and every display method ranks the values and computes the list's brackets.
#include "app/statistics/PrefectureRanking.h"
#include "basemap/files/PrefectureDataFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/text/Format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : {"MAPELMNT/SET.DAT", "MAPELMNT/県別人口.DAT", "MAPELMNT/県別面積.DAT"})
        vd::fuzz::writeApplicationFile(name, data, size);
    const std::string& folder = vd::fuzz::applicationFolderWin();
    const auto file = ReadPrefectureDataFile(folder + "MAPELMNT\\SET.DAT");
    if (!file)
        return 0;
    for (int method = 0; method <= 12; ++method) {
        const PrefectureValues divisors = ReadPrefectureDivisors(folder, method);
        PrefectureValues values;
        for (std::size_t k = 0; k < file->rows.size() && k < values.size(); ++k)
            values[k] = file->rows[k].value;
        const PrefectureRanking ranking = RankPrefectureValues(values);
        for (const auto& rank : ranking.rank)
            if (rank[0] < 0 || rank[0] >= kRankedPrefectures || rank[1] < 0 || rank[1] >= kRankedPrefectures)
                __builtin_trap();
        const BracketBasis basis{method, ranking.sum, ranking.max, ranking.mean, 1};
        for (int k = 0; k < kRankedPrefectures; ++k)
            if (const auto shown = BracketValue(basis, values[k].value_or(0), divisors[k]))
                vd::format(BracketFormat(*shown), *shown);
    }
    return 0;
}
