// The census table viewer's input: the bytes become a comma-separated census table, read with
// the viewer's limits, and every header field is looked up as the viewer does.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/files/CensusTableFile.h"
#include "municipal/statistics/CensusNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/CENSUS.CSV", data, size);
    const auto table = ReadCensusTableFile(path);
    if (!table)
        return 0;
    if (table->records.size() > std::size_t(kCensusMaxRecords) || table->header.size() > std::size_t(kCensusMaxFields))
        __builtin_trap();
    IsKnownCensusTable(table->headerLine);
    for (const std::string& field : table->header) {
        CensusFixedColumnName(field);
        CensusItemName(field);
        CensusTableGroup(field);
    }
    return 0;
}
