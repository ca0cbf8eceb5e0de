#include "app/shell/SharedMenuItems.h"

#include "app/shell/ShellCommands.h"

namespace shell {

using vd::ui::menuItem;
using vd::ui::subMenu;

std::vector<vd::ui::MenuItemTemplate> NationalLandItems()
{
    return {
        menuItem(32771, "点データ(&P)..."),
        menuItem(32772, "線データ(&L)..."),
        menuItem(32773, "面データ(&A)..."),
        menuItem(32774, "3次ﾒｯｼｭ [自然環境] (&M)..."),
        menuItem(32775, "3次ﾒｯｼｭ [産業統計] (&C)..."),
        menuItem(32781, "1/10細分メッシュ(&D)..."),
        menuItem(32779, "自然地形メッシュ(&G)..."),
        menuItem(32825, "土地分類･谷密度ﾒｯｼｭ..."),
        menuItem(32778, "地域選択..."),
        menuItem(32776, "凡例（点・線・面）..."),
        menuItem(32780, "凡例（地質・土壌・地形）..."),
        menuItem(32782, "地質構成一覧表"),
        menuItem(32783, "ﾌｫｰﾏｯﾄﾌｧｲﾙを開く..."),
        subMenu("組み合せ登録", {menuItem(32829, "再表示(&X)...")}),
        menuItem(32826, "選択をすべて取消し"),
    };
}

std::vector<vd::ui::MenuItemTemplate> FieldInformationItems()
{
    return {
        menuItem(32835, "地震動予測地図"),
        menuItem(32837, "地図ﾃﾞｰﾀﾌｧｲﾙの概要"),
    };
}

vd::ui::MenuItemTemplate PrintSubMenu()
{
    return subMenu("印刷",
                   {
                       menuItem(ID_FILE_PRINT, "ﾃｷｽﾄの印刷(&P)"),
                       menuItem(ID_FILE_PRINT_PREVIEW, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"),
                       menuItem(ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀの設定(&R)..."),
                   });
}

} // namespace shell
