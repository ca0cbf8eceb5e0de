// The point record labels on hostile lines, as the point themes build them: every line (any
// length, CR LF or LF) labelled for every theme, key and selector, and read as a comma-separated
// land-price record for every year index.
#include "layers/render/points/FacilityLabels.h"
#include "layers/render/points/PointLabels.h"
#include "layers/render/points/PriceLabels.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void LabelLine(std::string_view line)
{
    using namespace points;
    for (int selector = -1; selector <= 8; ++selector) {
        (void)PublicFacilityLabel(line, selector);
        (void)RiverLengthLabel(line, selector);
        (void)HeritageLabel(line, selector);
        (void)DamLabel(line, selector);
    }
    for (int selector : {0, 1, 10005, 90120, 1000999, -20003})
        (void)NamedPointLabel(line, selector), (void)PlainPointLabel(line, selector);
    for (int mode : {40, 100, 400, 410, 420, 430})
        for (int selector = -1; selector <= 6; ++selector)
            (void)FacilityLabel(mode, mode + selector, line);
    const PriceColumns sets[] = {DefaultPriceColumns(), WholeFilePriceColumns(DataSetYear(line)),
                                 MeshPriceColumns(13, 3), MeshPriceColumns(99, 19)};
    for (const PriceColumns& columns : sets)
        for (int key = -1; key <= 14; ++key)
            (void)PriceRecordLabel(line, columns, key, key % 2 == 0);
    const LandPriceCsvRecord record = ParseLandPriceCsv(line);
    for (int year = -1; year <= 20; ++year)
        for (int selector = 0; selector <= 10; ++selector)
            (void)PriceCsvLabel(record, line, selector, year);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        LabelLine(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}
