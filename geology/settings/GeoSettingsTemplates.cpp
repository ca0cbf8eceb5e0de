// The two containers (230 x 207 units: the data row on top, the tab control of 226 x 158 at
// (2, 30), the display mode and the buttons at the bottom) and their pages (220 x 140 at (5, 46)).
// Class items are radio buttons that each start a group, so each is a toggle of its own.
#include "geology/settings/GeoSettingsTemplates.h"

#include "geology/settings/GeoSettingsTexts.h"

using namespace geoids;
using vd::ui::ControlTemplate;
using vd::ui::DialogTemplate;
using vd::ui::DialogUnits;

namespace {

constexpr const char* kShownItems = "表示項目 [複数選択可] ";
constexpr const char* kSymbolGroup = "ﾒｯｼｭﾏｯﾌﾟに 記号で表示";

DialogTemplate Container(int id, const char* caption, std::vector<ControlTemplate> headings)
{
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.place = DialogUnits{0, 0, 230, 207};
    t.controls = std::move(headings);
    const std::vector<ControlTemplate> rest = {
        vd::ui::checkBox(kLayerSwitch, "", DialogUnits{4, 14, 10, 10}),
        vd::ui::ltext(kThemeCaption, "", DialogUnits{15, 15, 36, 8}),
        vd::ui::edit(kDataText, DialogUnits{52, 12, 140, 12}),
        vd::ui::pushButton(kFileButton, "ﾌｧｲﾙ", DialogUnits{195, 11, 30, 14}),
        vd::ui::tabControl(kTabControl, DialogUnits{2, 30, 226, 158}),
        vd::ui::ltext(kModeCaption, "", DialogUnits{4, 193, 80, 8}),
        vd::ui::ltext(vd::IDC_STATIC, "(", DialogUnits{84, 193, 4, 8}),
        vd::ui::radioButton(kMeshMapRadio, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{89, 192, 42, 10},
                            vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        vd::ui::radioButton(kAttributeRadio, "属性値", DialogUnits{131, 192, 30, 10},
                            vd::BS_AUTORADIOBUTTON | vd::WS_DISABLED),
        vd::ui::ltext(vd::IDC_STATIC, ")", DialogUnits{161, 193, 4, 8}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{166, 190, 30, 14}),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{198, 190, 30, 14}),
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

DialogTemplate Page(int id, std::vector<ControlTemplate> controls)
{
    DialogTemplate t;
    t.id = id;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{5, 46, 220, 140};
    t.controls = std::move(controls);
    return t;
}

ControlTemplate Toggle(int id, const char* label, DialogUnits at)
{
    return vd::ui::radioButton(id, label, at, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP);
}

// Items in columns of `rows`, from (x, y), `step` units apart.
void AddItems(std::vector<ControlTemplate>& controls, int firstId, const std::vector<const char*>& labels, int x, int y,
              int columnWidth, int rows, int step)
{
    for (int i = 0; i < static_cast<int>(labels.size()); ++i)
        controls.push_back(
            Toggle(firstId + i, labels[i],
                   DialogUnits{x + columnWidth * (i / rows), y + step * (i % rows), columnWidth - 2, 8}));
}

// The symbol radios of a page in one group, in columns of `rows` from (x, y).
void AddSymbols(std::vector<ControlTemplate>& controls, int block, const std::vector<GeoSymbolChoice>& choices, int x,
                int y, int columnWidth, int rows, int step)
{
    for (int i = 0; i < static_cast<int>(choices.size()); ++i)
        controls.push_back(
            vd::ui::radioButton(block + kSymbolRadio + choices[i].value, choices[i].label,
                                DialogUnits{x + columnWidth * (i / rows), y + step * (i % rows), columnWidth - 2, 8},
                                vd::BS_AUTORADIOBUTTON | (i == 0 ? vd::WS_GROUP : 0u)));
}

DialogTemplate RockPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, 216, 84}),
        vd::ui::groupBox(vd::IDC_STATIC, "岩石の種類", DialogUnits{6, 9, 100, 73}),
        vd::ui::groupBox(vd::IDC_STATIC, "地質時代", DialogUnits{110, 9, 104, 73}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 86, 216, 53}),
    };
    AddItems(c, block, GeoRockItems(), 10, 18, 96, 7, 9);
    AddItems(c, block + kEraItem, GeoEraItems(), 114, 18, 100, 8, 8);
    AddSymbols(c, block, symbols, 8, 95, 104, 5, 8);
    return Page(id, std::move(c));
}

DialogTemplate SoilPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, 216, 100}),
        vd::ui::groupBox(vd::IDC_STATIC, "土壌統計群", DialogUnits{6, 9, 208, 78}),
        vd::ui::ltext(vd::IDC_STATIC, "<付加記号は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>", DialogUnits{8, 89, 200, 8}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 102, 216, 36}),
    };
    AddItems(c, block, GeoSoilItems(), 10, 19, 68, 5, 13);
    AddSymbols(c, block, symbols, 10, 116, 68, 1, 0);
    return Page(id, std::move(c));
}

DialogTemplate TerrainPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, kShownItems, DialogUnits{2, 0, 216, 72}),
        vd::ui::groupBox(vd::IDC_STATIC, "主分類", DialogUnits{6, 9, 208, 50}),
        vd::ui::ltext(vd::IDC_STATIC, "<副分類は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>", DialogUnits{8, 61, 200, 8}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 74, 216, 64}),
    };
    AddItems(c, block, GeoTerrainItems(), 10, 19, 68, 3, 12);
    AddSymbols(c, block, symbols, 8, 84, 208, 5, 10);
    return Page(id, std::move(c));
}

DialogTemplate ValleyPage(int id, int block, const std::vector<GeoSymbolChoice>& symbols)
{
    std::vector<ControlTemplate> c = {
        vd::ui::groupBox(vd::IDC_STATIC, "表示項目", DialogUnits{2, 0, 216, 60}),
        vd::ui::ltext(vd::IDC_STATIC,
                      "２倍統合地域メッシュ（２次メッシュを緯線・経線方向にそれぞれ５等分、約２km×２km）"
                      "の各辺をきる谷の数の総和",
                      DialogUnits{8, 12, 204, 40}),
        vd::ui::groupBox(vd::IDC_STATIC, kSymbolGroup, DialogUnits{2, 64, 216, 74}),
    };
    AddSymbols(c, block, symbols, 8, 76, 208, 5, 12);
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
