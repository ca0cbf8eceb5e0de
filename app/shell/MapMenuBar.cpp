// Menu bar 128, the map menu bar that the frame is loaded with. The two menus of sheets and guide
// maps hold one placeholder each, which the view replaces by the entries of MAPFILE.DAT and
// GUIDEMAP.DAT.
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "app/shell/SharedMenuItems.h"

namespace shell {

using vd::ui::menuItem;
using vd::ui::subMenu;

vd::ui::MenuTemplate MapMenuBar()
{
    return {IDR_MAINFRAME,
            {
                subMenu("ﾌｧｲﾙ(&F)",
                        {
                            menuItem(33149, "他地域(&D)"),
                            subMenu("地図の種類",
                                    {
                                        menuItem(32811, "1/20万地勢図(&W)..."),
                                        menuItem(32810, "日本列島図(&J)"),
                                        menuItem(32812, "都道府県別地図(&G)..."),
                                    }),
                            menuItem(33153, "1/20万地勢図を拡大"),
                            menuItem(33157, "ﾙｰﾄﾏｯﾌﾟの作成"),
                            subMenu("ﾏｳｽのﾄﾞﾗｯｸﾞ操作",
                                    {
                                        menuItem(32827, "1/20万地勢図を拡大"),
                                        menuItem(32828, "ﾙｰﾄﾏｯﾌﾟの作成"),
                                    }),
                            menuItem(32885, "地図再表示"),
                            menuItem(32889, "ﾃﾞｰﾀの登録"),
                            menuItem(33154, "ｱﾙﾊﾞﾑの登録"),
                            menuItem(32893, "ﾃﾞｰﾀ/ｱﾙﾊﾞﾑの更新"),
                            subMenu("データファイル",
                                    {
                                        menuItem(32897, "選択..."),
                                        menuItem(33158, "チェック"),
                                    }),
                            subMenu("都道府県別データ",
                                    {
                                        menuItem(33284, "登録..."),
                                        menuItem(33285, "更新..."),
                                    }),
                            subMenu("地図の登録",
                                    {
                                        menuItem(32808, "図幅の登録..."),
                                        menuItem(32820, "絵地図の登録..."),
                                    }),
                            subMenu("環境設定など",
                                    {
                                        menuItem(32795, "環境設定(&E)..."),
                                        menuItem(33256, "地図作成(段彩図)..."),
                                    }),
                            menuItem(ID_SWITCH_MENU_BAR, "ﾃｷｽﾄ･画像ﾒﾆｭｰﾊﾞｰへ(&B)"),
                            PrintSubMenu(),
                            menuItem(ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
                        }),
                subMenu("指定の図幅へ", {menuItem(1990, "---")}),
                subMenu("絵地図(&U)", {menuItem(2350, "---")}),
                subMenu("表示(&V)",
                        {
                            menuItem(32888, "地図の表示仕様(&A)..."),
                            menuItem(33262, "段彩図の配色設定..."),
                            subMenu("日本列島図",
                                    {
                                        menuItem(32791, "県界"),
                                        menuItem(32834, "支庁界(北海道)"),
                                        menuItem(32792, "緯線・経線"),
                                    }),
                            menuItem(32882, "ﾃｷｽﾄの背景色"),
                            menuItem(32883, "ﾃｷｽﾄのフォント..."),
                            menuItem(33156, "コピー(&C)"),
                        }),
                subMenu("ﾏｯﾋﾟﾝｸﾞ(&M)",
                        {
                            menuItem(33253, "ルートマップ..."),
                            menuItem(33254, "エリアマップ..."),
                            menuItem(33269, "ﾙｰﾄ・ｴﾘｱ索引図(&U)"),
                            menuItem(33251, "トラック..."),
                            menuItem(33258, "凡例（標高）..."),
                            menuItem(32813, "海底地形(&O)..."),
                            subMenu("水深中間ﾌｧｲﾙ",
                                    {
                                        menuItem(32814, "作成状況"),
                                        menuItem(32815, "作成(南西諸島周辺)"),
                                        menuItem(32816, "作成(中～西日本周辺)"),
                                        menuItem(32817, "作成(東日本周辺)"),
                                        menuItem(32818, "作成(すべての海域)"),
                                    }),
                            menuItem(32830, "行政界・海岸線変換..."),
                        }),
                subMenu("国土情報(&D)", NationalLandItems()),
                subMenu("ﾌｨｰﾙﾄﾞ情報", FieldInformationItems()),
                subMenu("地点案内(&I)",
                        {
                            menuItem(32892, "ﾃｷｽト..."),
                            menuItem(32896, "画像..."),
                            menuItem(33266, "地点を探す(&R)..."),
                            menuItem(32833, "市区町村を探す..."),
                            subMenu("『地名･公共施設』",
                                    {
                                        menuItem(33274, "検索と表示(&F)..."),
                                        menuItem(33275, "地点を探す(&Q)..."),
                                        menuItem(33279, "表示しない"),
                                        menuItem(33281, "記号の設定..."),
                                    }),
                            menuItem(33286, "都道府県別データ(&Y)..."),
                            menuItem(33150, "スライドショー(&Z)"),
                            menuItem(33152, "　スライドショーの中止"),
                            menuItem(33151, "　スライドショーの設定..."),
                        }),
                subMenu("ﾍﾙﾌﾟ(&H)", {menuItem(ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20) (&A)...")}),
            }};
}

} // namespace shell
