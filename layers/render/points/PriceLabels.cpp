#include "layers/render/points/PriceLabels.h"

#include "layers/render/points/PointColumns.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <utility>

namespace points {

namespace {

constexpr int kYears = 20;
constexpr int kUseFlags = 17;
constexpr int kZoneFlags = 22;
constexpr int kAddressWidth = 80;
constexpr int kAddressHead = 22; // bytes kept before the rest is cut at a blank
constexpr int kPriceWidth = 8;
constexpr int kChangeWidth = 6;

constexpr std::array<const char*, kUseFlags> kUseNames{"住宅",   "店舗", "事務所", "銀行", "旅館", "給油所",
                                                       "工場",   "倉庫", "農地",   "山林", "医院", "空地",
                                                       "作業場", "原野", "その他", "用材", "雑木"};
constexpr std::array<const char*, 8> kPowerTypes{"水力",     "水力", "石炭火力", "LNG火力",
                                                 "ガス火力", "地熱", "石油火力", "原子力"};

bool FlagSet(char c) { return c >= '1' && c <= '9'; }

std::string PriceText(int price) { return price >= 1 ? vd::format("%.1f", price * 0.0001) : std::string(); }

double ChangeRate(int price, int previous) { return previous == 0 ? 0.0 : (double(price) - previous) / previous * 100; }

std::string ZoneAfter(int zone) { return zone == 0 ? std::string() : vd::format("/%d", zone); }
std::string ZoneBefore(int zone) { return zone == 0 ? std::string() : vd::format("%d/", zone); }

// Shortened before the first mark, unless the text begins with it.
std::string CutUnlessFirst(std::string text, std::string_view mark)
{
    const std::size_t at = text.find(mark);
    if (at != std::string::npos && at > 0)
        text.resize(at);
    return text;
}

// The first 22 bytes whole, then the rest up to its first blank (half- or full-width).
std::string AddressText(std::string_view line, int column)
{
    const std::string address = ColumnText(line, column, kAddressWidth);
    const std::size_t split = vd::utf8Position(address, kAddressHead);
    std::string rest = CutUnlessFirst(address.substr(split), " ");
    rest = CutUnlessFirst(std::move(rest), "\xE3\x80\x80");
    return address.substr(0, split) + rest;
}

// What the land-price labels share between the two file forms.
struct PriceValues {
    std::string priceText;
    double changeRate = 0;
    int zone = 0;
    std::string useName;
};

std::optional<std::string> LandPriceLabel(int key, const PriceValues& v)
{
    switch (key) {
    case 0:
        return v.priceText;
    case 1:
        return vd::format("%.1f", v.changeRate) + "%";
    case 3:
        return v.priceText + vd::format("(%.1f", v.changeRate) + "%)";
    case 4:
        return v.priceText + "/" + v.useName;
    case 5:
        return v.priceText + ZoneAfter(v.zone);
    default:
        return std::nullopt;
    }
}

std::string PlantName(std::string_view line) { return CutUnlessFirst(ColumnText(line, 56, 30), " "); }

int PlantOutputTenThousandKw(std::string_view line) { return ColumnNumber(line, 136, 8) / 1000; }

} // namespace

PriceColumns DefaultPriceColumns() { return {}; }

PriceColumns WholeFilePriceColumns(int dataSetYear)
{
    return {52, 143, 193, 198, 226, 228, dataSetYear * 8 + 291, dataSetYear * 8 + 283};
}

PriceColumns MeshPriceColumns(int dataSetYear, int yearIndex)
{
    PriceColumns columns = WholeFilePriceColumns(dataSetYear);
    if (yearIndex < 0 || yearIndex >= kYears) {
        columns.price = columns.previous = -1;
        return columns;
    }
    const int f = std::min(yearIndex, dataSetYear + 5);
    columns.price = dataSetYear + f * 8 + 238;
    columns.previous = columns.price - 8;
    return columns;
}

int DataSetYear(std::string_view text)
{
    const std::size_t dash = text.find('-');
    return dash == std::string_view::npos ? 0 : vd::parseInt(text.substr(dash + 1, 2));
}

std::string UseName(std::string_view flags)
{
    for (std::size_t i = 0; i < flags.size() && i < kUseNames.size(); ++i)
        if (FlagSet(flags[i]))
            return kUseNames[i];
    return {};
}

int ZoneNumber(std::string_view flags)
{
    for (std::size_t i = 0; i < flags.size() && i < std::size_t(kZoneFlags); ++i)
        if (FlagSet(flags[i]))
            return int(i) + 1;
    return 0;
}

std::string PowerPlantType(std::string_view line)
{
    const int digit = ColumnNumber(line, 25, 1);
    if (digit >= 1 && digit <= int(kPowerTypes.size()))
        return kPowerTypes[std::size_t(digit - 1)];
    return ColumnText(line, 25, 1);
}

std::string PriceRecordLabel(std::string_view line, const PriceColumns& c, int key, bool pricePair)
{
    switch (key) {
    case 7:
        return ZoneBefore(ZoneNumber(Column(line, c.zoning, kZoneFlags))) +
               vd::format("%d", ColumnNumber(line, c.coverage, 2)) + "%";
    case 8:
        return ZoneBefore(ZoneNumber(Column(line, c.zoning, kZoneFlags))) +
               vd::format("%d", ColumnNumber(line, c.floorRatio, 4)) + "%";
    case 9:
        return vd::format("%dm", ColumnNumber(line, c.roadWidth, 5));
    case 10:
        return PlantName(line) + "/" + PowerPlantType(line);
    case 11:
        return PlantName(line) + "/" + CutUnlessFirst(ColumnText(line, 86, 40), " ");
    case 12:
        return PlantName(line) + vd::format("(%d万KW)", PlantOutputTenThousandKw(line));
    case 13:
        return PowerPlantType(line) + vd::format("(%d万KW)", PlantOutputTenThousandKw(line));
    default:
        break;
    }
    if (key < 0 || key > 6)
        return vd::cp932ToUtf8(line);
    // Only what the key shows is read: most of a file's labels are prices alone.
    const int price = ColumnNumber(line, c.price, kPriceWidth);
    PriceValues v;
    v.priceText = PriceText(price);
    switch (key) {
    case 1:
    case 3:
        v.changeRate = pricePair ? ChangeRate(price, ColumnNumber(line, c.previous, kPriceWidth))
                                 : ColumnDecimal(line, c.previous, kChangeWidth);
        break;
    case 2:
        return AddressText(line, c.address) + "/" + v.priceText;
    case 4:
        v.useName = UseName(Column(line, c.use, kUseFlags));
        break;
    case 5:
        v.zone = ZoneNumber(Column(line, c.zoning, kZoneFlags));
        break;
    case 6:
        return v.priceText + vd::format("(%dm)", ColumnNumber(line, c.roadWidth, 5));
    default:
        break;
    }
    return LandPriceLabel(key, v).value_or(std::string());
}

LandPriceCsvRecord ParseLandPriceCsv(std::string_view line)
{
    LandPriceCsvRecord record;
    std::size_t at = 0;
    for (int i = 0; i < LandPriceCsvRecord::kFields && at <= line.size(); ++i) {
        const std::size_t comma = line.find(',', at);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        record.fields[std::size_t(i)] = line.substr(at, end - at);
        if (comma == std::string_view::npos)
            break;
        at = comma + 1;
    }
    record.longitude = vd::parseInt(record.fields[1]);
    record.latitude = vd::parseInt(record.fields[2]);
    return record;
}

std::string PriceCsvLabel(const LandPriceCsvRecord& r, std::string_view line, int selector, int yearIndex)
{
    const auto field = [&](int i) { return vd::parseInt(r.fields[std::size_t(i)]); };
    const auto text = [&](int i) { return vd::cp932ToUtf8(r.fields[std::size_t(i)]); };
    PriceValues v;
    if (yearIndex >= 0 && yearIndex < kYears) {
        const int price = field(20 + yearIndex);
        v.priceText = PriceText(price);
        v.changeRate = ChangeRate(price, field(20 + std::max(yearIndex - 1, 0)));
    }
    v.zone = ZoneNumber(r.fields[16]);
    v.useName = UseName(r.fields[11]);
    switch (selector) {
    case 2:
        return text(8) + "/" + v.priceText;
    case 6:
        return v.priceText + "/" + text(15) + "m";
    case 7:
        return ZoneBefore(v.zone) + text(17) + "%";
    case 8:
        return ZoneBefore(v.zone) + text(18) + "%";
    case 9:
        return text(15) + "m";
    default:
        break;
    }
    if (std::optional<std::string> label = LandPriceLabel(selector, v))
        return *label;
    return vd::cp932ToUtf8(line);
}

} // namespace points
