// The two containers (the data row on top, the tab control, the display mode and the buttons at
// the bottom) and their pages (140 units tall at (5, 46)). They are 300 units wide and each column
// as wide as its labels need, so that every label shows whole in this platform's fonts (the
// layout test checks it). Class items are radio buttons that each start a group, so each is a
// toggle of its own.
#include "geology/settings/GeoSettingsTemplates.h"

#include "geology/settings/GeoSettingsTexts.h"

using namespace geoids;
using vd::ui::ControlTemplate;
using vd::ui::DialogTemplate;
using vd::ui::DialogUnits;

namespace {

// The containers' width; each page is 10 units narrower, its frames 4 units narrower again.
constexpr int kWidth = 300;
constexpr int kPageWidth = kWidth - 10;
constexpr int kFrameWidth = kPageWidth - 4;

constexpr const char* kShownItems = "表示項目 [複数選択可] ";
constexpr const char* kSymbolGroup = "ﾒｯｼｭﾏｯﾌﾟに 記号で表示";

DialogTemplate Container(int id, const char* caption, std::vector<ControlTemplate> headings)
{
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.place = DialogUnits{0, 0, kWidth, 207};
    t.controls = std::move(headings);
    const std::vector<ControlTemplate> rest = {
        vd::ui::checkBox(kLayerSwitch, "", DialogUnits{4, 14, 10, 10}),
        vd::ui::ltext(kThemeCaption, "", DialogUnits{15, 15, 36, 8}),
        vd::ui::edit(kDataText, DialogUnits{52, 12, kWidth - 90, 12}),
        vd::ui::pushButton(kFileButton, "ﾌｧｲﾙ", DialogUnits{kWidth - 35, 11, 30, 14}),
        vd::ui::tabControl(kTabControl, DialogUnits{2, 30, kWidth - 4, 158}),
        vd::ui::ltext(kModeCaption, "", DialogUnits{4, 193, 84, 8}),
        vd::ui::ltext(vd::IDC_STATIC, "(", DialogUnits{88, 193, 4, 8}),
        vd::ui::radioButton(kMeshMapRadio, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{93, 192, 46, 10},
                            vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        vd::ui::radioButton(kAttributeRadio, "属性値", DialogUnits{141, 192, 42, 10},
                            vd::BS_AUTORADIOBUTTON | vd::WS_DISABLED),
        vd::ui::ltext(vd::IDC_STATIC, ")", DialogUnits{185, 193, 4, 8}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{kWidth - 68, 190, 30, 14}),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{kWidth - 36, 190, 30, 14}),
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

DialogTemplate Page(int id, std::vector<ControlTemplate> controls)
{
    DialogTemplate t;
    t.id = id;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{5, 46, kPageWidth, 140};
    t.controls = std::move(controls);
    return t;
}

ControlTemplate Toggle(int id, const char* label, DialogUnits at)
{
    return vd::ui::radioButton(id, label, at, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP);
}

// The left edge of column `column` of columns `widths` wide from x.
int ColumnLeft(int x, const std::vector<int>& widths, int column)
{
    for (int c = 0; c < column; ++c)
        x += widths[std::size_t(c)];
    return x;
}

// Items in columns of `rows`, from (x, y), `step` units apart; each column as wide as given.
void AddItems(std::vector<ControlTemplate>& controls, int firstId, const std::vector<const char*>& labels, int x, int y,
              const std::vector<int>& widths, int rows, int step)
{
    for (int i = 0; i < static_cast<int>(labels.size()); ++i)
        controls.push_back(Toggle(firstId + i, labels[i],
                                  DialogUnits{ColumnLeft(x, widths, i / rows), y + step * (i % rows),
                                              widths[std::size_t(i / rows)] - 2, 8}));
}

// The symbol radios of a page in one group, in columns of `rows` from (x, y).
void AddSymbols(std::vector<ControlTemplate>& controls, int block, const std::vector<GeoSymbolChoice>& choices, int x,
                int y, const std::vector<int>& widths, int rows, int step)
{
    for (int i = 0; i < static_cast<int>(choices.size()); ++i)
        controls.push_back(
            vd::ui::radioButton(block + kSymbolRadio + choices[i].value, choices[i].label,
                                DialogUnits{ColumnLeft(x, widths, i / rows), y + step * (i % rows),
                                            widths[std::size_t(i / rows)] - 2, 8},
                                vd::BS_AUTORADIOBUTTON | (i == 0 ? vd::WS_GROUP : 0u)));
}

DialogTemplate RockPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, kFrameWidth, 84}),
        vd::ui::groupBox(vd::IDC_STATIC, "岩石の種類", DialogUnits{6, 9, 134, 73}),
        vd::ui::groupBox(vd::IDC_STATIC, "地質時代", DialogUnits{144, 9, kFrameWidth - 146, 73}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 86, kFrameWidth, 53}),
    };
    AddItems(c, block, GeoRockItems(), 10, 18, {128}, 7, 9);
    AddItems(c, block + kEraItem, GeoEraItems(), 148, 18, {kFrameWidth - 150}, 8, 8);
    AddSymbols(c, block, symbols, 8, 95, {190, kFrameWidth - 196}, 5, 8);
    return Page(id, std::move(c));
}

DialogTemplate SoilPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, kFrameWidth, 100}),
        vd::ui::groupBox(vd::IDC_STATIC, "土壌統計群", DialogUnits{6, 9, kFrameWidth - 8, 78}),
        vd::ui::ltext(vd::IDC_STATIC, "<付加記号は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>", DialogUnits{8, 89, 200, 8}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 102, kFrameWidth, 36}),
    };
    AddItems(c, block, GeoSoilItems(), 10, 19, {66, 92, kFrameWidth - 166}, 5, 13);
    AddSymbols(c, block, symbols, 10, 116, {80, 80, 80}, 1, 0);
    return Page(id, std::move(c));
}

DialogTemplate TerrainPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, kFrameWidth, 72}),
        vd::ui::groupBox(vd::IDC_STATIC, "主分類", DialogUnits{6, 9, kFrameWidth - 8, 50}),
        vd::ui::ltext(vd::IDC_STATIC, "<副分類は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>", DialogUnits{8, 61, 200, 8}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 74, kFrameWidth, 64}),
    };
    AddItems(c, block, GeoTerrainItems(), 10, 19, {96, 104, kFrameWidth - 212}, 3, 12);
    AddSymbols(c, block, symbols, 8, 84, {kFrameWidth - 8}, 5, 10);
    return Page(id, std::move(c));
}

DialogTemplate ValleyPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, "表示項目", DialogUnits{2, 0, kFrameWidth, 60}),
        vd::ui::ltext(vd::IDC_STATIC,
                      "２倍統合地域メッシュ（２次メッシュを緯線・経線方向にそれぞれ５等分、約２km×２km）"
                      "の各辺をきる谷の数の総和",
                      DialogUnits{8, 12, kFrameWidth - 12, 40}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 64, kFrameWidth, 74}),
    };
    AddSymbols(c, block, symbols, 8, 76, {kFrameWidth - 8}, 5, 12);
    return Page(id, std::move(c));
}

} // namespace

std::vector<DialogTemplate> GeoSettingsTemplates()
{
    return {
        Container(kGeoSetDialog, "  国土数値情報（自然地形メッシュ）",
                  {vd::ui::ltext(kDataHeading, "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", DialogUnits{52, 2, 120, 8})}),
        RockPage(kGeoRockPage, kGeoRockBlock, GeoRockSymbols()),
        SoilPage(kGeoSoilPage, kGeoSoilBlock, GeoSoilSymbols()),
        TerrainPage(kGeoTerrainPage, kGeoTerrainBlock, GeoTerrainSymbols()),
        ValleyPage(kGeoValleyPage, kGeoValleyBlock, GeoValleySymbols()),
        Container(kNtrSetDialog, "国土数値情報（土地分類・谷密度メッシュ）",
                  {vd::ui::ltext(kDataHeading, "土地分類ﾒｯｼｭ", DialogUnits{52, 2, 56, 8}),
                   vd::ui::ltext(vd::IDC_STATIC, "データファイル", DialogUnits{110, 2, 60, 8})}),
        RockPage(kNtrRockPage, kNtrRockBlock, NtrRockSymbols()),
        SoilPage(kNtrSoilPage, kNtrSoilBlock, NtrSoilSymbols()),
        TerrainPage(kNtrTerrainPage, kNtrTerrainBlock, NtrTerrainSymbols()),
        ValleyPage(kNtrValleyPage, kNtrValleyBlock, NtrValleySymbols()),
    };
}
