// Page 238 (気候値): nine items under three headings and the other climate values in a list.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/naturemesh/MeshTemplateParts.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"
#include "platform/text/Format.h"

using namespace mesh_templates;

const std::vector<std::string>& OtherClimateValueNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (int month = 1; month <= 12; ++month)
            out.push_back(vd::format("降水量 %d月", month));
        for (const char* name : {"降水量(年)", "降水量(暖候値)", "降水量(寒候値)"})
            out.push_back(name);
        for (int month = 1; month <= 12; ++month)
            for (const char* value : {"最高気温", "最低気温", "平均気温"})
                out.push_back(vd::format("%s %d月", value, month));
        for (const char* name : {"最高気温(年平均)", "最低気温(年平均)", "平均気温(年)", "最深積雪 12月",
                                 "最深積雪 1月", "最深積雪 2月", "最深積雪 3月", "最深積雪(寒候期)",
                                 "最深積雪(多雪年)", "最深積雪(少雪年)"})
            out.push_back(name);
        return out;
    }();
    return names;
}

vd::ui::DialogTemplate ClimatePageTemplate()
{
    auto controls = ThemeRow(kClimateOn, kClimateText, kClimateFile, TextColumn::Folder, "表示項目");
    constexpr const char* kHeadings[] = {"降水量(mm)", "平均気温(℃)", "最深積雪(cm)"};
    constexpr const char* kItems[] = {"年", "暖候値", "寒候値", "１月", " ８月", "年", "寒候期", "多雪年", "少雪年"};
    for (int column = 0; column < 3; ++column)
        controls.push_back(Caption(kHeadings[column], {8 + 70 * column, 37, 66, 8}));
    for (int value = 0; value < 9; ++value) {
        const DialogUnits at{12 + 70 * (value / 3), 47 + 10 * (value % 3), 58, 10};
        controls.push_back(value == 0 ? FirstItem(kClimateFirstItem, kItems[value], at)
                                      : Item(kClimateFirstItem + value, kItems[value], at));
    }
    controls.push_back(Item(kClimateOther, "その他の気候値", {8, 79, 72, 10}));
    controls.push_back(vd::ui::comboBox(kClimateList, DialogUnits{82, 78, 104, 150}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL,
                                        OtherClimateValueNames()));
    return SettingsPageTemplate(kClimatePage, std::move(controls), kMeshPagePlace);
}
