#include "layers/render/lines/LedgerLabels.h"

#include "layers/render/lines/LedgerDataSets.h"
#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace ledger {

namespace {

using Vocabulary = std::initializer_list<std::pair<int, const char*>>;

// Where a vocabulary has no text for a code the label part is empty.
std::string Lookup(Vocabulary vocabulary, int code)
{
    for (const auto& [value, text] : vocabulary)
        if (value == code)
            return text;
    return {};
}

const Vocabulary kDevelopmentKinds{{1, "農地造成"},          {2, "工業用地造成"}, {3, "施設用地造成"},
                                   {4, "住宅･都市用地造成"}, {5, "公園用地造成"}, {6, "その他"},
                                   {9, "不明"}};
const Vocabulary kDevelopmentOwners{{1, "国"},   {2, "都道府県"}, {3, "市区町村"}, {4, "公社･公団"},
                                    {5, "民間"}, {6, "その他"},   {9, "不明"}};
const Vocabulary kLowlandClasses{{0, "低地(調査範囲外)"}, {1, "微高地"}, {2, "低湿地"}, {3, "低地"}};
const Vocabulary kWaterZones{{1, "一のイ"}, {2, "一のロ"}, {3, "一のハ"}, {4, "一のニ"},
                             {5, "二のイ"}, {6, "二のロ"}, {7, "二のハ"}};
const Vocabulary kFisheryClasses{{1, "水産１級"}, {2, "水産２級"}, {3, "環境保全"}};
const Vocabulary kBridgeManagers{{1, "国"},   {2, "都道府県"}, {3, "市区町村"},
                                 {4, "民間"}, {5, "その他"},   {6, "道路公団"}};
const Vocabulary kRouteKinds{{1, "法定航路"}, {2, "開発保全航路"}, {3, "推薦航路"}};
const Vocabulary kRouteDirections{{1, "両方向"},
                                  {2, "指定無"},
                                  {3, "一方方向(0度～179度)"},
                                  {4, "一方方向(180度～359度)"}};
const Vocabulary kMiningKinds{{1, "試掘"}, {2, "採掘"}, {3, "鉱区禁止区域"}};
const Vocabulary kConservationKinds{{1, "河川"}, {2, "国有林"}, {3, "保安"}};
// Regulation columns 43, 44, 45 of C37-62L.
constexpr std::array<const char*, 3> kGroundwaterRules{"工業用地下水規制", "建築物用地下水規制", "都道府県条例"};
constexpr std::array<const char*, 42> kMinerals{
    "金",       "銀",     "銅",     "鉛",       "そう鉛",   "すず",         "アンチモニー", "水銀",   "亜鉛",
    "鉄",       "硫黄鉄", "クローム", "マンガン", "タングステン", "モリブデン", "ひ",           "ニッケル", "コバルト",
    "ウラン",   "トリウム", "りん",   "黒鉛",     "石炭",     "亜炭",         "石油",         "アスファルト",
    "天然ガス", "硫黄",   "石膏",   "重晶石",   "明ばん石", "ほたる石",     "石綿",         "石灰石", "ドロマイト",
    "けい石",   "長石",   "ろう石", "滑石",     "耐火粘土", "砂",           "その他"};

constexpr int kLedgerTextColumn = 29;
constexpr int kMineralFlagsColumn = 45;
constexpr std::string_view kNoAmount = "999999";

// A record's columns first to last (1-based, inclusive).
class LedgerRecord {
public:
    explicit LedgerRecord(std::string_view raw) : raw_(raw) {}
    std::string_view Raw(int first, int last) const { return vd::rawField(raw_, first - 1, last - first + 1); }
    std::string Text(int first, int last) const { return vd::textField(raw_, first - 1, last - first + 1); }
    int Number(int first, int last) const { return vd::parseInt(Raw(first, last)); }
    // A name field up to its first blank, full-width or not.
    std::string Name(int first, int last) const
    {
        const std::string text = Text(first, last);
        return text.substr(0, std::min(text.find(' '), text.find("　")));
    }
    // The ledger text: the record from column 29 as it stands.
    std::string Rest() const { return vd::textField(raw_, kLedgerTextColumn - 1); }

private:
    std::string_view raw_;
};

std::string Joined(const std::string& a, const std::string& b) { return a + "/" + b; }

std::string Development(const LedgerRecord& d, int option)
{
    const std::string code = d.Text(41, 42);
    const std::string kind = Lookup(kDevelopmentKinds, d.Number(45, 45));
    switch (option) {
    case 1: return code;
    case 2: return kind;
    case 3: return Joined(code, kind);
    case 4: return Lookup(kDevelopmentOwners, d.Number(46, 46));
    default: return {};
    }
}

// Total emission (air, "1") or effluent (water) regulation zones.
std::string TotalRegulation(const LedgerRecord& d, int option)
{
    const bool air = d.Raw(38, 38) == "1";
    if (option == 1)
        return air ? "煤煙総量規制" : "水質汚濁総量規制";
    if (option != 2)
        return d.Rest();
    std::string label = air ? "(大気)" + d.Text(46, 47) : "(水質)" + Lookup(kWaterZones, d.Number(46, 47));
    if (d.Raw(48, 53) != kNoAmount)
        label += vd::format("/%d", d.Number(48, 53)) + (air ? "立法m/h" : "kg/日");
    return label;
}

std::string FisheryWaters(const LedgerRecord& d, int option)
{
    switch (option) {
    case 1: return Joined(d.Name(37, 56), Lookup(kFisheryClasses, d.Number(57, 57)));
    case 2: return Joined(d.Text(59, 62), d.Text(58, 58));
    case 3: return Joined(d.Name(37, 56), d.Text(32, 36));
    default: return d.Rest();
    }
}

std::string AreaText(int hectares) { return vd::format("%dha", hectares); }

std::string NamedAreas(const LedgerRecord& d, int option)
{
    const int area = d.Number(154, 157);
    switch (option) {
    case 1: return Joined(d.Name(54, 113), d.Name(114, 153));
    case 2: return Joined(d.Name(114, 153), area < 1 ? std::string() : AreaText(area));
    default: return d.Rest();
    }
}

std::string Bridges(const LedgerRecord& d, int option)
{
    const std::string marker = d.Raw(39, 39) == "1" ? "(ﾄ)" : "";
    const std::string name = marker + d.Name(40, 79);
    switch (option) {
    case 1: return Joined(name, vd::format("%dm", d.Number(80, 84) / 10));
    case 2: return Joined(name, d.Text(104, 107));
    case 3: return Joined(name, Lookup(kBridgeManagers, d.Number(103, 103)));
    default: return marker + d.Rest();
    }
}

std::string Groundwater(const LedgerRecord& d)
{
    std::string label;
    for (std::size_t k = 0; k < kGroundwaterRules.size(); ++k)
        if (d.Raw(43 + int(k), 43 + int(k)) == "1")
            label = kGroundwaterRules[k];
    return label;
}

std::string Routes(const LedgerRecord& d, int option)
{
    const std::string kind = Lookup(kRouteKinds, d.Number(75, 75));
    switch (option) {
    case 1: return d.Name(35, 74);
    case 2: return kind;
    case 3: return Joined(d.Name(35, 74), kind);
    case 4: return Lookup(kRouteDirections, d.Number(76, 76));
    default: return {};
    }
}

// C21-59L and C10-59L: two names and two codes at their own columns.
struct NamedCodesColumns {
    int nameFirst;
    int secondNameFirst;
    int codeFirst, codeLast;
    int numberFirst, numberLast;
};

std::string NamedCodes(const LedgerRecord& d, int option, const NamedCodesColumns& c)
{
    switch (option) {
    case 1: return Joined(d.Text(c.codeFirst, c.codeLast), d.Text(c.numberFirst, c.numberLast));
    case 2: return d.Name(c.secondNameFirst, c.secondNameFirst + 59);
    case 3: return d.Name(c.nameFirst, c.nameFirst + 39);
    default: return d.Rest();
    }
}

std::string Minerals(const LedgerRecord& d)
{
    std::string names;
    for (std::size_t k = 0; k < kMinerals.size(); ++k) {
        const int column = kMineralFlagsColumn + int(k);
        if (d.Raw(column, column) != "1")
            continue;
        if (!names.empty())
            names += ",";
        names += kMinerals[k];
    }
    return names;
}

std::string MiningAreas(const LedgerRecord& d, int option)
{
    const int value = d.Number(38, 42);
    const std::string number = value == 0 ? std::string() : vd::format("%d", value);
    switch (option) {
    case 1: return Joined(number, Lookup(kMiningKinds, d.Number(43, 43)));
    case 2: {
        const std::string year = d.Raw(87, 90) == "0000" ? std::string() : d.Text(87, 90);
        const std::string label = Joined(number, year);
        return label == "/" ? std::string() : label;
    }
    case 3: return Minerals(d);
    case 4: {
        const int area = d.Number(91, 98);
        return area >= 1 && area <= 10000 ? Joined(Minerals(d), AreaText(area)) : Minerals(d);
    }
    default: return {};
    }
}

// The number after the kind digit is the record's data key.
std::string Conservation(const LedgerRecord& d, int option)
{
    const std::string digit = d.Text(38, 38);
    switch (option) {
    case 1: {
        const std::string kind = Lookup(kConservationKinds, d.Number(38, 38));
        return kind.empty() ? digit : kind;
    }
    case 2: return digit + vd::format("/%d", d.Number(17, 26));
    default: return d.Rest();
    }
}

} // namespace

std::string LedgerLabel(int selector, int option, std::string_view rawLedgerLine)
{
    if (option < 1 || option > 4)
        return {};
    const LedgerRecord d(rawLedgerLine);
    switch (selector) {
    case 0: return Development(d, option);
    case 1: return Lookup(kLowlandClasses, d.Number(32, 32));
    case 2: return TotalRegulation(d, option);
    case 3: return FisheryWaters(d, option);
    case 4: return NamedAreas(d, option);
    case 5: return Bridges(d, option);
    case 6: return d.Text(34, 35);
    case 7: return Groundwater(d);
    case 8: return Routes(d, option);
    case 9: return NamedCodes(d, option, {116, 56, 32, 33, 156, 161});
    case 10: return NamedCodes(d, option, {114, 54, 36, 39, 170, 173});
    case 11: return d.Text(32, 38);
    case 12:
    case 13: return d.Text(32, 36);
    case kMineralSelector: return MiningAreas(d, option);
    case kPartedSelector: return Conservation(d, option);
    default: return {};
    }
}

} // namespace ledger
