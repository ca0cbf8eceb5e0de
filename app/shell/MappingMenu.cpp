// Menu 155, the right-click Mapping menu: the view shows its first sub-menu at the pointer.
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "app/shell/SharedMenuItems.h"

namespace shell {

using vd::ui::menuItem;
using vd::ui::subMenu;

vd::ui::MenuTemplate MappingMenu()
{
    return {IDR_MAPPING_MENU,
            {
                subMenu("ﾏｯﾋﾟﾝｸﾞ",
                        {
                            menuItem(32885, "地図再表示"),
                            menuItem(33153, "白地図を拡大"),
                            menuItem(33267, "地点を探す..."),
                            subMenu("『地名･公共施設』",
                                    {
                                        menuItem(33276, "検索と表示..."),
                                        menuItem(33278, "地点を探す..."),
                                        menuItem(33279, "表示しない"),
                                        menuItem(33282, "記号の設定..."),
                                    }),
                            subMenu("地図仕様",
                                    {
                                        menuItem(33264, "地図の表示仕様..."),
                                        menuItem(33265, "段彩図の配色設定..."),
                                        subMenu("日本列島白地図",
                                                {
                                                    menuItem(32791, "県界"),
                                                    menuItem(32792, "緯線・経線"),
                                                }),
                                    }),
                            menuItem(33255, "ｴﾘｱﾏｯﾌﾟ..."),
                            menuItem(33270, "ﾙｰﾄ・ｴﾘｱ索引図"),
                            menuItem(33251, "トラック..."),
                            menuItem(33259, "凡例（標高）..."),
                            menuItem(32813, "海底地形..."),
                            subMenu("国土情報", NationalLandItems()),
                            subMenu("ﾌｨｰﾙﾄﾞ情報", FieldInformationItems()),
                        }),
            }};
}

} // namespace shell
