// The mesh and point record decoders on hostile lines, as the mesh layers feed them: the first
// line is taken as the census class table, every line (any length, CR LF or LF) as a record
// decoded for every theme and item.
#include "meshcode/CensusRecords.h"
#include "meshcode/ColourClasses.h"
#include "meshcode/MeshRecordPosition.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void DecodeLine(std::string_view line, const meshcode::CensusColumns& columns)
{
    const meshcode::CellWindow window{500400, 127200, 129600, 504000};
    (void)meshcode::ThirdMeshRecordCorner(line, window);
    (void)meshcode::SecondMeshRecordCorner(line, window);
    (void)meshcode::PointRecordSeconds(line);
    for (int item = -1; item <= 13; ++item)
        (void)meshcode::DecodeNatureValue(line, item, meshcode::ClassWidth(0, item));
    for (int theme : {0, 10, 20})
        for (int item = -1; item <= 170; ++item)
            (void)meshcode::DecodeMeshValue(line, theme, item, meshcode::ClassWidth(theme, item));
    for (int theme : {200, 210, 220})
        for (int item = 0; item <= 17; ++item)
            for (int flag : {0, 1})
                (void)meshcode::DecodeCensusValue(line, theme, item, flag, columns);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t firstEnd = text.find('\n');
    const meshcode::CensusClassTable table = meshcode::ParseCensusClassSpec(text.substr(0, firstEnd));
    for (int theme : {200, 210, 220})
        for (int item = 0; item <= 17; ++item)
            (void)meshcode::CensusItemsFor(table, theme, item, 1);
    const meshcode::CensusColumns columns = meshcode::CensusColumnsOf(table);
    double total = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        DecodeLine(line, columns);
        total += meshcode::DecodeCensusValue(line, 200, 2, 0, columns).added;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    (void)meshcode::CensusTotalText(200, 2, total);
    (void)meshcode::CellGridOrigin(int(size % 30), int(size % 7), int(size), -int(size), int(size % 5), "533945",
                                   int(size % 2), int(size % 3));
    return 0;
}
