// Menu bar 133, the text and picture menu bar that the view swaps in: the five text menus and the
// three picture menus hold one placeholder each, which the view replaces by the entries of
// SOURCE\MENUFILE.DAT.
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "app/shell/SharedMenuItems.h"

namespace shell {

using vd::ui::menuItem;
using vd::ui::subMenu;

vd::ui::MenuTemplate TextPictureMenuBar()
{
    return {IDR_TEXTPICTURE_MENU,
            {
                subMenu("ﾌｧｲﾙ(&F)",
                        {
                            menuItem(32807, "ﾃｷｽﾄ･画像ﾒﾆｭｰのｽﾗｲﾄﾞｼｮｰ..."),
                            menuItem(32805, "ﾃｷｽﾄ ﾒﾆｭｰの登録・更新..."),
                            menuItem(32806, "画像  ﾒﾆｭｰの登録・更新..."),
                            PrintSubMenu(),
                            menuItem(ID_SWITCH_MENU_BAR, "地図メニューバーへ(&B)"),
                            menuItem(ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
                        }),
                subMenu("〆ﾃｷｽﾄ1", {menuItem(2030, "---")}),
                subMenu("〆ﾃｷｽﾄ2", {menuItem(2070, "---")}),
                subMenu("〆ﾃｷｽﾄ3", {menuItem(2110, "---")}),
                subMenu("〆ﾃｷｽﾄ4", {menuItem(2150, "---")}),
                subMenu("〆ﾃｷｽﾄ5", {menuItem(2190, "---")}),
                subMenu("ζ画像1", {menuItem(2230, "---")}),
                subMenu("ζ画像2", {menuItem(2270, "---")}),
                subMenu("ζ画像3", {menuItem(2310, "---")}),
            }};
}

} // namespace shell
