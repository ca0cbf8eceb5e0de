#include "geology/settings/GeoSettingsTexts.h"

namespace {

constexpr const char* kSlope = "最大傾斜(単位 5度)";
constexpr const char* kSlopeDirection = "最大傾斜方向(8方位 N=1,NE=2,,,,NW=8)";

} // namespace

const std::vector<const char*>& GeoRockItems()
{
    static const std::vector<const char*> items = {"すべて(未区分の岩石を含む)",
                                                   "未固結～半固結堆積物",
                                                   "半固結～固結堆積物",
                                                   "固結堆積物",
                                                   "火山岩類",
                                                   "深成岩類",
                                                   "変成岩類"};
    return items;
}

const std::vector<const char*>& GeoEraItems()
{
    static const std::vector<const char*> items = {
        "全時代(表示のないものを含む)", "古生代", "中生代", "古第三紀", "新第三紀", "洪積世", "沖積世",
        "表示のないもの(時代未区分)"};
    return items;
}

const std::vector<const char*>& GeoSoilItems()
{
    static const std::vector<const char*> items = {"すべて",
                                                   "岩石地",
                                                   "岩屑性土壌",
                                                   "火山性未熟土",
                                                   "森林土壌",
                                                   "ﾎﾟﾄﾞｿﾞﾙ化土壌",
                                                   "赤･黄色土壌",
                                                   "低地土壌･台地土壌",
                                                   "黒ﾎﾞｸ土壌",
                                                   "砂丘土壌",
                                                   "グライ土壌",
                                                   "泥炭土壌",
                                                   "残留性未熟土",
                                                   "その他(砂礫地･市街地)",
                                                   "項目のないもの(湖沼･河川)"};
    return items;
}

const std::vector<const char*>& GeoTerrainItems()
{
    static const std::vector<const char*> items = {"すべて",     "山地(山麓地を含む)",   "火山(山麓地を含む)", "丘陵地",
                                                   "台地・段丘", "低地(三角州・扇状地)", "自然堤防・砂州",     "湖沼",
                                                   "河川"};
    return items;
}

const std::vector<GeoSymbolChoice>& GeoRockSymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {{0, "非表示"},
                                                         {1, "地層・岩体の形成時代"},
                                                         {2, "地質構造(*:断層,A:背斜,S:向斜,AS:背/向斜)"},
                                                         {3, "岩石の硬さ"},
                                                         {4, "岩石区分"},
                                                         {5, "土壌統計"},
                                                         {6, "地形分類"},
                                                         {7, "最大傾斜"},
                                                         {8, "谷密度"}};
    return choices;
}

const std::vector<GeoSymbolChoice>& GeoSoilSymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {{1, "付加記号項目"}, {2, "岩石区分"}, {0, "非表示"}};
    return choices;
}

const std::vector<GeoSymbolChoice>& GeoTerrainSymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {
        {1, "副分類"}, {2, kSlope}, {3, kSlopeDirection}, {0, "非表示"}, {4, "岩石区分"}};
    return choices;
}

const std::vector<GeoSymbolChoice>& GeoValleySymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {
        {0, "非表示"}, {1, "谷密度"}, {2, kSlope}, {3, kSlopeDirection}, {4, "岩石区分"}};
    return choices;
}

const std::vector<GeoSymbolChoice>& NtrRockSymbols()
{
    static const std::vector<GeoSymbolChoice> choices(GeoRockSymbols().begin(), GeoRockSymbols().begin() + 7);
    return choices;
}

const std::vector<GeoSymbolChoice>& NtrSoilSymbols() { return GeoSoilSymbols(); }

const std::vector<GeoSymbolChoice>& NtrTerrainSymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {{0, "非表示"}, {1, "副分類"}, {4, "岩石区分"}};
    return choices;
}

const std::vector<GeoSymbolChoice>& NtrValleySymbols()
{
    static const std::vector<GeoSymbolChoice> choices = {{0, "非表示"}, {1, "谷密度"}};
    return choices;
}

std::vector<int> GeoSymbolValues(const std::vector<GeoSymbolChoice>& choices)
{
    std::vector<int> values;
    for (const GeoSymbolChoice& c : choices)
        values.push_back(c.value);
    return values;
}
