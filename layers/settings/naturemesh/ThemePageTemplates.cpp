// Pages 245 (流路延長), 243 (沿岸海域), 242 (指定地域) and 239 (森林･国公有地).
#include "layers/settings/SettingsPage.h"
#include "layers/settings/naturemesh/MeshTemplateParts.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"

using namespace mesh_templates;

namespace {

struct PlacedItem {
    const char* text;
    DialogUnits at;
};

// The item buttons in value order, the first starting the group.
void AddItems(std::vector<ControlTemplate>& controls, int firstId, std::initializer_list<PlacedItem> items)
{
    int value = 0;
    for (const PlacedItem& item : items) {
        controls.push_back(value == 0 ? FirstItem(firstId, item.text, item.at)
                                      : Item(firstId + value, item.text, item.at));
        ++value;
    }
}

} // namespace

vd::ui::DialogTemplate RiverPageTemplate()
{
    auto controls = ThemeRow(kRiverOn, kRiverText, kRiverFile, TextColumn::Folder, "表示項目");
    controls.push_back(Caption("流路延長", {8, 37, 66, 8}));
    controls.push_back(Caption("種類別流路延長", {78, 37, 80, 8}));
    AddItems(controls, kRiverFirstItem,
             {{"全河川", {12, 47, 58, 10}},
              {"一級河川", {82, 47, 58, 10}},
              {"二級河川", {82, 57, 58, 10}},
              {"その他", {82, 67, 58, 10}}});
    return SettingsPageTemplate(kRiverPage, std::move(controls), kMeshPagePlace);
}

vd::ui::DialogTemplate CoastPageTemplate()
{
    auto controls = ThemeRow(kCoastOn, kCoastText, kCoastFile, TextColumn::File,
                             "表示項目（潮流・底質は観測地点のみ表示）");
    controls.push_back(Caption("水深［m］", {8, 37, 50, 8}));
    controls.push_back(Caption("その他", {60, 37, 50, 8}));
    controls.push_back(Caption("潮流/方向", {114, 37, 50, 8}));
    controls.push_back(Caption("潮流/流速", {166, 37, 50, 8}));
    AddItems(controls, kCoastFirstItem,
             {{"平均水深", {8, 47, 50, 10}},
              {"最浅水深", {8, 57, 50, 10}},
              {"最深水深", {8, 67, 50, 10}},
              {"磯釣り場名", {60, 47, 54, 10}},
              {"底質", {60, 57, 50, 10}},
              {"上げ潮 ", {114, 47, 50, 10}},
              {"上げ潮", {166, 47, 50, 10}},
              {"下げ潮", {114, 57, 50, 10}},
              {"下げ潮", {166, 57, 50, 10}}});
    return SettingsPageTemplate(kCoastPage, std::move(controls), kMeshPagePlace);
}

vd::ui::DialogTemplate AreaPageTemplate()
{
    auto controls = ThemeRow(kAreaOn, kAreaText, kAreaFile, TextColumn::Folder,
                             "表示項目(基準地域ﾒｯｼｭに対する面積比で主となる種別で分類)");
    controls.push_back(Caption("指定種別", {8, 37, 66, 8}));
    controls.push_back(Caption("指定地域", {8, 58, 66, 8}));
    controls.push_back(Caption("土地の主要な用途", {150, 58, 66, 8}));
    AddItems(controls, kAreaFirstItem,
             {{"都市計画区域", {12, 67, 62, 10}},
              {"農業地域", {154, 67, 60, 10}},
              {"森林地域", {154, 77, 60, 10}},
              {"自然公園指定区", {76, 67, 72, 10}},
              {"自然環境保全地域", {76, 77, 76, 10}},
              {"5地域(都市･公園･環境･農業･森林)､鳥獣保護区", {12, 46, 200, 10}},
              {"鳥獣保護区", {12, 77, 62, 10}}});
    return SettingsPageTemplate(kAreaPage, std::move(controls), kMeshPagePlace);
}

vd::ui::DialogTemplate ForestPageTemplate()
{
    auto controls = ThemeRow(kForestOn, kForestText, kForestFile, TextColumn::File,
                             "表示項目（基準地域メッシュに対する面積比で分類）");
    AddItems(controls, kForestFirstItem,
             {{"国有林/民有林", {6, 37, 68, 10}}, {"国有地/公有地", {76, 37, 68, 10}}, {"保安林", {146, 37, 68, 10}}});
    // The notes below each button, one line every 8 units.
    const std::vector<std::vector<const char*>> notes = {
        {"基準地域ﾒｯｼｭで", "国有林 50％以上", "民有林 50％以上"},
        {"基準地域ﾒｯｼｭで", "国有地   50％以上", "公有地   50％以上", "国公有地 50％以上"},
        {"基準地域ﾒｯｼｭで", "保安林 50％以上", "  (国有林地内)", "  (民有林地内)"},
    };
    for (int column = 0; column < 3; ++column)
        for (int line = 0; line < static_cast<int>(notes[column].size()); ++line)
            controls.push_back(Caption(notes[column][line], {16 + 70 * column, 49 + 8 * line, 68, 8}));
    return SettingsPageTemplate(kForestPage, std::move(controls), kMeshPagePlace);
}
