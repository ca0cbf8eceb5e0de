#pragma once
// The land-price and power-plant records: the fixed columns of the price files (PriceColumns),
// the comma-separated land-price files (LandPriceCsvRecord) and the label of a record by key.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace points {

// Column starts, counted from 0; widths are those of the published layout. A negative price
// column reads as no price.
struct PriceColumns {
    int address = 48;     // 80 characters
    int use = 139;        // 17 flags
    int roadWidth = 189;  // 5, metres
    int zoning = 194;     // 22 flags
    int coverage = 222;   // 2, percent
    int floorRatio = 224; // 4, percent
    int price = 228;      // 8, yen per square metre
    int previous = 236;   // the previous price (8) of a price pair, else the change rate (6)
    friend bool operator==(const PriceColumns&, const PriceColumns&) = default;
};

// The whole-country files: the default layout, or for L01/L02 data set year y.
PriceColumns DefaultPriceColumns();
PriceColumns WholeFilePriceColumns(int dataSetYear);
// The per-prefecture L01/L02 files of data set year y, for year index 0-19 (none outside).
PriceColumns MeshPriceColumns(int dataSetYear, int yearIndex);

// The two digits after the first "-" of a text (0 without one).
int DataSetYear(std::string_view text);

// The use name of the first set flag of 17, empty when none; the zone as the 1-based position
// of the first set flag of 22, 0 when none.
std::string UseName(std::string_view flags);
int ZoneNumber(std::string_view flags);

// The power plant's type name by the digit in column 25: "水力" ... "原子力", others as they stand.
std::string PowerPlantType(std::string_view line);

// The label of a fixed-column record: keys 0-9 land prices, 10-13 power plants, others the whole
// line. pricePair: the change rate is worked out from the previous price, else read.
std::string PriceRecordLabel(std::string_view line, const PriceColumns& columns, int key, bool pricePair);

// One line of a comma-separated land-price file: 45 fields (missing ones empty), raw CP932.
struct LandPriceCsvRecord {
    static constexpr int kFields = 45;
    std::array<std::string_view, kFields> fields{};
    int longitude = 0; // whole arc-seconds
    int latitude = 0;
};
LandPriceCsvRecord ParseLandPriceCsv(std::string_view line);
// The label by selector 0-9 for year index 0-19 (outside: no price, rate 0); others the whole line.
std::string PriceCsvLabel(const LandPriceCsvRecord& record, std::string_view line, int selector, int yearIndex);

} // namespace points
