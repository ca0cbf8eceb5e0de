// The titles and rows of the mesh legends, one table per theme code.
#include "layers/render/meshes/MeshLegendContent.h"

#include "platform/text/Format.h"

namespace meshes {

namespace {

using C = SwatchColour;

LegendRow Ramp(std::string text, int index) { return {std::move(text), C::Ramp, index}; }
LegendRow Palette(std::string text, int index) { return {std::move(text), C::Palette, index}; }
LegendRow Text(std::string text) { return {std::move(text), C::None, 0}; }

// Designated areas: the themes of items 0-4 and 6 (item 5 shows them all).
struct DesignatedArea {
    const char* name;
    const char* share;
    int ramp;
};
constexpr DesignatedArea kDesignatedAreas[] = {
    {"都市計画区域", "70", 1},     {"農業地域", "50", 6}, {"森林地域", "70", 5},   {"自然公園", "20", 0},
    {"自然環境保全地域", "10", 0}, {"", "", 0},           {"鳥獣保護区", "20", 8},
};

std::vector<LegendRow> DesignatedAreaRows(int item)
{
    if (item == 3)
        return {Ramp("1: 自然公園(普通地域)", 7), Ramp("2: 自然公園(特別地域)", 8), Ramp("3: 自然公園(特別保護)", 10),
                Ramp("4: 自然公園(海中公園)", 0)};
    if (item == 5)
        return {Ramp("1: 都市計画区域(>70%)", 1),     Ramp("2: 農業地域(>50%)", 6),
                Ramp("3: 森林地域(>70%)", 5),         Ramp("4: 自然公園指定区域(>20%)", 7),
                Ramp("5: 自然環境保全地域(>10%)", 0), Ramp("6: 鳥獣保護区(>20%)", 8),
                Text("7:  基準地域ﾒｯｼｭでの面積比"),   Text("8:  農業･森林:都市区域外を対象")};
    return {};
}

LegendContent DesignatedAreaLegend(int item)
{
    if (item < 0 || item > 6)
        return {};
    const DesignatedArea& area = kDesignatedAreas[item];
    const std::string note = std::string("  基準地域ﾒｯｼｭ内で") + area.share + "%以上";
    if (item == 5)
        return {"", DesignatedAreaRows(item), {}};
    if (item == 3)
        return {note, DesignatedAreaRows(item), {}};
    return {std::string("* ") + area.name, {Ramp(note, area.ramp)}, {}};
}

LegendContent RiverLegend(int item)
{
    const std::vector<LegendRow> all{Ramp("1: 一級河川", 1), Ramp("2: 二級河川", 0), Ramp("3: その他の河川", 5)};
    if (item == 0)
        return {"河川の種別", all, {}};
    if (item >= 1 && item <= 3)
        return {"河川の種別", {all[std::size_t(item - 1)]}, {}};
    return {};
}

LegendContent ForestLegend(int item)
{
    switch (item) {
    case 0:
        return {"", {Ramp("1: 国有林 50％以上", 5), Ramp("2: 民有林 50％以上", 6), Ramp("・ その他", 4)}, {}};
    case 1:
        return {"",
                {Ramp("1: 国有地 0～50％", 5), Ramp("2: 国有地 50％以上", 6), Ramp("3: 公有地 0～50％", 7),
                 Ramp("4: 公有地 50％以上", 8), Ramp("5: 国公有地 0～50％", 9), Ramp("6: 国公有地 50％以上", 10),
                 Ramp("・ その他", 4)},
                {}};
    case 2:
        return {"",
                {Ramp("1: 保安林 50％以上(国有林)", 5), Ramp("2: 保安林 50％以上(民有林)", 6), Ramp("・ その他", 4)},
                {}};
    default:
        return {};
    }
}

LegendContent SeaLegend(int item)
{
    static const char* const kDepthTitles[] = {"平均水深 [ｍ]", "最浅水深 [ｍ]", "最深水深 [ｍ]"};
    static const char* const kDepths[] = {"～  -20m", "～  -50m", "～ -100m", "～ -200m", "～ -300m", "～ -400m",
                                          "～ -500m", "～-1000m", "～-2000m", "～-3000m", "< -3000m"};
    static const char* const kBottoms[] = {"海底",   "砂質",   "泥質", "礫質", "岩石",  "石灰質",
                                           "さんご", "火山質", "貝殻", "海草", "スラグ"};
    static const char* const kBottomCodes[] = {
        " 1: 海底",     " 2: 砂",       " 3: 泥",       " 4: 軟泥",   " 5: 泥灰岩", " 6: 粘土", " 7: 細礫",
        " 8: 礫",       " 9: 粗礫",     "10: 円礫",     "11: 石",     "12: 岩",     "13: 白亜", "14: 石灰質",
        "15: 石英",     "16: さんご",   "17: 石さんご", "18: 火山質", "19: 溶岩",   "20: 軽石", "21: 凝灰岩",
        "22: スコリア", "23: 火山噴石", "24: 貝殻",     "25: 海草",   "26: スラグ"};
    static const char* const kDirections[] = {"北～北東", "北東～東", "東～南東", "南東～南",
                                              "南～南西", "南西～西", "西～北西", "北西～北"};
    LegendContent content;
    switch (item) {
    case 0:
    case 1:
    case 2:
        content.title = kDepthTitles[item];
        for (int m = 0; m < kClassRows; ++m)
            content.rows.push_back(Ramp(kDepths[m], m));
        break;
    case 3:
        content.title = "磯釣り場名";
        break;
    case 4:
        content.title = "底質";
        for (int m = 0; m < kClassRows; ++m)
            content.rows.push_back(Ramp(kBottoms[m], m));
        content.sideColumn.assign(std::begin(kBottomCodes), std::end(kBottomCodes));
        break;
    case 5:
    case 7:
        content.title = item == 5 ? "潮流 上げ潮 方向" : "潮流 下げ潮 方向";
        for (int m = 0; m < 8; ++m)
            content.rows.push_back(Ramp(vd::format(" %d: ", m + 1) + kDirections[m], m));
        break;
    case 6:
    case 8:
        content.title = item == 6 ? "潮流 上げ潮流速(ﾉｯﾄ)" : "潮流 下げ潮流速(ﾉｯﾄ)";
        for (int m = 1; m <= 10; ++m)
            content.rows.push_back(Ramp(vd::format("～%0.1f", 0.3 * m), m - 1));
        content.rows.push_back(Ramp("> 3.0", 10));
        content.rows.push_back(Text("(1ﾉｯﾄ=1.85km/h)"));
        break;
    default:
        break;
    }
    return content;
}

std::string CensusTitle(int theme, int item, int swatchFlag, const LegendTexts& texts)
{
    static const char* const kCommerce[] = {
        "小売業 商店数",        "", "小売業 販売額 [億円]", "卸売業 商店数", "卸売業 従業者数 [人]",
        "卸売業 販売額 [億円]", "", "小売業 従業者数 [人]"};
    static const char* const kIndustry[] = {
        "工業全体", "従業者数 [人]", "出荷額 [億円]", "原材料使用額 [億円]", "燃料使用額 [億円]", "電力使用額 [億円]"};
    static const char* const kAgriculture[] = {"農家人口総数",
                                               "総農家数",
                                               "総経営耕地面積〔ｈａ〕",
                                               "最多総経営耕地面積[ｈａ]",
                                               "耕地面積(田および畑)[ha]",
                                               "いね収穫面積〔ｈａ〕",
                                               "麦･雑穀･芋･豆収穫面積[ha]",
                                               "乳用牛・肉用牛飼養農家数",
                                               "乳用牛・肉用牛飼養頭数"};
    if (theme == 200) {
        if (item == 1)
            return swatchFlag != 0 ? "小売業 売場面積 [m2]" : "小売業 売場面積 [100m2]";
        if (item == 8)
            return texts[1];
        if (item >= 0 && item <= 7 && item != 6)
            return kCommerce[item];
        return texts[0];
    }
    if (theme == 210)
        return item >= 0 && item <= 5 ? kIndustry[item] : texts[0];
    return item >= 0 && item <= 8 ? kAgriculture[item] : texts[0];
}

bool IsMoneyItem(int theme, int item)
{
    return (theme == 200 && (item == 2 || item == 5)) || (theme == 210 && item >= 2 && item <= 5);
}

LegendContent CensusLegend(int theme, int item, int swatchFlag, int classStep, const LegendTexts& texts)
{
    LegendContent content;
    if (theme == 220 && item == 10) {
        static const char* const kRatios[] = {"1:  ～0.5", "2:  ～1.0", "3:  ～1.5",
                                              "4:  ～2.0", "5:  ～3.0", "6:  3.0～"};
        content.title = texts[0];
        for (int m = 0; m < 6; ++m)
            content.rows.push_back(Ramp(kRatios[m], m));
    } else {
        content.title = CensusTitle(theme, item, swatchFlag, texts);
        const bool money = IsMoneyItem(theme, item);
        for (int m = 0; m < kClassRows; ++m) {
            std::string text = !money   ? vd::format("%4d～", m * classStep)
                               : m == 0 ? vd::format("%4d円～", 0)
                                        : vd::format("%4d億円～", m * 10);
            content.rows.push_back(Ramp(std::move(text), m));
        }
    }
    if (!texts[3].empty())
        content.rows.push_back(Text(texts[3])); // the census total
    return content;
}

LegendContent LandUseLegend(int item, int classStep)
{
    static const struct {
        const char* name;
        int palette;
    } kCategories[] = {{"田", 4},       {"その他の農用地", 5}, {"森林", 12},        {"荒地", 8},
                       {"建物用地", 6}, {"幹線交通用地", 10},  {"その他の用地", 0}, {"河川地及び湖沼", 11},
                       {"海浜", 1},     {"海水域", 1},         {"ゴルフ場", 3}};
    LegendContent content{"1/10細分ﾒｯｼｭ(土地利用)", {}, {}};
    if (item == 0) {
        for (const auto& c : kCategories)
            content.rows.push_back(Palette(c.name, c.palette));
        if (classStep != 0)
            content.rows.push_back(Text("(森林:標高の段彩色)"));
    } else if (item >= 1 && item <= 11) {
        content.rows.push_back(Palette(kCategories[item - 1].name, kCategories[item - 1].palette));
    }
    return content;
}

LegendContent SubdividedAreaLegend(int item)
{
    switch (item) {
    case 20:
        return {"指定地域(都市計画区域)",
                {Palette("都市計画区域", 0), Palette("用途地域", 4), Palette("市街化区域", 5),
                 Palette("市街化調整区域", 6)},
                {}};
    case 21:
        return {"指定地域(自然公園)",
                {Palette("普通地域", 0), Palette("特別地域", 4), Palette("特別保護地区", 5), Palette("海中公園", 1)},
                {}};
    case 22:
        return {"指定地域(自然環境保全)",
                {Palette("原生自然環境保全地区", 0), Palette("立入規制地区", 4), Palette("普通地区", 5),
                 Palette("特別地区", 1), Palette("野生動植物保護地区", 3), Palette("特別地区", 6)},
                {}};
    case 23:
        return {"指定地域(農業地域)", {Palette("農業地域", 4)}, {}};
    case 24:
        return {"指定地域(森林地域)", {Palette("森林地域", 12)}, {}};
    default:
        return {};
    }
}

LegendContent CatchmentLegend(int item)
{
    const LegendRow catchment = Palette("集水域", 11);
    const LegendRow outside = Palette("非集水域", 3);
    const std::string title = "指定地域(集水域・非集水域)";
    switch (item) {
    case 30:
        return {title, {catchment, outside}, {}};
    case 31:
        return {title, {catchment}, {}};
    case 32:
        return {title, {outside}, {}};
    default:
        return {};
    }
}

} // namespace

std::string ClimateTitle(int item)
{
    static const char* const kYearly[] = {"年降水量 [mm]",        "降水量(暖候値) [mm]",  "降水量(寒候値) [mm]",
                                          "平均気温 1月 [℃]",     "平均気温 8月 [℃]",     "年平均気温   [℃]",
                                          "最深積雪 寒候期 [cm]", "最深積雪 多雪年 [cm]", "最深積雪 少雪年 [cm]"};
    static const char* const kLate[] = {"最高気温(年平均)  [℃]", "最低気温(年平均)  [℃]", "年平均気温  [℃]",
                                        "最深積雪 12月 [cm]",    "最深積雪 1月 [cm]",     "最深積雪 2月 [cm]",
                                        "最深積雪 3月 [cm]",     "最深積雪 寒候期 [cm]",  "最深積雪 多雪年 [cm]",
                                        "最深積雪 少雪年 [cm]"};
    static const char* const kMonthly[] = {"最高気温 %d月 [℃]", "最低気温 %d月 [℃]", "平均気温 %d月 [℃]"};
    if (item >= 0 && item <= 8)
        return kYearly[item];
    if (item >= 100 && item <= 111)
        return vd::format("降水量 %d月 [mm]", item - 99);
    if (item >= 112 && item <= 114)
        return kYearly[item - 112];
    if (item >= 115 && item <= 150)
        return vd::format(kMonthly[(item - 115) % 3], (item - 115) / 3 + 1);
    if (item >= 151 && item <= 160)
        return kLate[item - 151];
    return {};
}

int ClimateRowOffset(int item)
{
    if (item == 3)
        return -15;
    if (item < 115 || item > 152)
        return 0;
    const int n = item - 100;
    if (n == 16 || n == 19)
        return -20;
    if (n == 21)
        return -14;
    if (n >= 15 && n <= 23)
        return -15;
    if (n == 33 || n == 36)
        return 5;
    if (n >= 42 && n <= 44)
        return -5;
    if (n >= 45 && n <= 47)
        return -10;
    if (n == 48 || n == 50)
        return -15;
    if (n == 49)
        return -20;
    if (n == 51)
        return 4;
    if (n == 52)
        return -5;
    return 0;
}

bool IsPrecipitationItem(int item) { return (item >= 0 && item <= 2) || (item >= 100 && item <= 114); }

LegendContent MeshLegendContent(int theme, int item, int swatchFlag, int classStep, const LegendTexts& texts)
{
    switch (theme) {
    case kClimateLegend:
        return {ClimateTitle(item), {}, {}};
    case 10:
        return DesignatedAreaLegend(item);
    case 20:
        return RiverLegend(item);
    case 100:
        return ForestLegend(item);
    case 110:
        return SeaLegend(item);
    case 200:
    case 210:
    case 220:
        return CensusLegend(theme, item, swatchFlag, classStep, texts);
    case 300:
        return LandUseLegend(item, classStep);
    case 310:
        return SubdividedAreaLegend(item);
    case 320:
        return CatchmentLegend(item);
    case 330:
        return {"1/10細分ﾒｯｼｭ(湖沼)", {Palette("湖沼", 1)}, {}};
    default:
        return {};
    }
}

} // namespace meshes
