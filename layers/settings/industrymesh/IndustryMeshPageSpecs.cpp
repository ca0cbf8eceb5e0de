#include "layers/settings/industrymesh/IndustryMeshPageSpecs.h"

#include "layers/settings/industrymesh/IndustryMeshPage.h"

#include <algorithm>

namespace {

std::array<IndustryPageSpec, 3> MakeSpecs()
{
    const int n = kNoItem;
    return {{
        {CDlgDmcCommerce::IDD, "商業統計", 1357, 1358, 1359, {"小売業", "卸売業"},
         {
             {1418, "商店数", 0, 0, 36},
             {1419, "従業員数", 7, 0, 78},
             {1420, "販売額", 2, 0, 127},
             {1421, "売場面積", 1, 0, 168},
             {1422, "商店数", 3, 1, 36},
             {1423, "従業員数", 4, 1, 78},
             {1424, "販売額", 5, 1, 127},
         },
         1425, {6, 8, n, n, n, n, n, n, n, n}},
        {CDlgDmcIndustry::IDD, "工業統計", 1360, 1361, 1362, {},
         {
             {1419, "工業全体 事業所数", 0, 0, 8},
             {1420, "同左従業員数", 1, 0, 93},
             {1421, "同左出荷額", 2, 0, 159},
             {1422, "原材料使用額", 3, 1, 8},
             {1423, "燃料使用額", 4, 1, 93},
             {1424, "電力使用額", 5, 1, 159},
         },
         1425, {6, 7, 8, n, n, n, n, n, n, n}},
        {CDlgDmcAgriculture::IDD, "農業ｾﾝｻｽ", 1363, 1364, 1365, {},
         {
             {1417, "農業人口", 0, 0, 8},
             {1418, "総農家数", 1, 0, 64},
             {1419, "総経営耕地面積", 2, 0, 120},
             {1420, "最多経営耕地", 3, 1, 8},
             {1421, "耕地面積(田および畑)", 4, 1, 120},
             {1422, "稲収穫面積", 5, 2, 8},
             {1423, "麦･雑穀等収穫面積", 6, 2, 120},
             {1424, "乳用牛・肉用牛飼養農家数", 7, 3, 8},
             {1425, "乳用牛・肉用牛飼養頭数", 8, 4, 8},
         },
         1426, {9, 10, 11, 12, 13, 14, 15, 16}},
    }};
}

} // namespace

int IndustryPageSpec::lineCount() const
{
    int lines = 0;
    for (const IndustryItemRadio& radio : fixed)
        lines = std::max(lines, radio.line + 1);
    return lines;
}

const std::array<IndustryPageSpec, 3>& IndustryPageSpecs()
{
    static const std::array<IndustryPageSpec, 3> specs = MakeSpecs();
    return specs;
}
