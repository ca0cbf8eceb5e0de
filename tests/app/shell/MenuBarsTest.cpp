// The three menus read back from the running frame: texts with their mnemonics, ids, sub-menus;
// pending commands disabled until a handler lands; the two menu bars swap.
#include "ShellTestSupport.h"

#include "app/shell/PendingCommands.h"
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "platform/ui/Menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

std::vector<std::string> topLevelTexts(const vd::Menu& menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        texts.push_back(menu.GetMenuString(i, vd::MF_BYPOSITION));
    return texts;
}

// Every command id of a menu and its sub-menus.
void collectCommands(const vd::Menu& menu, std::vector<int>& ids)
{
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        if (vd::Menu* sub = menu.GetSubMenu(i))
            collectCommands(*sub, ids);
        else if (const int id = menu.GetMenuItemID(i); id > 0)
            ids.push_back(id);
    }
}

// Runs the update handlers as when each of the menu's sub-menus opens.
void openAll(vd::Menu& menu, vd::CommandTarget& target)
{
    menu.UpdateItems(target);
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        if (vd::Menu* sub = menu.GetSubMenu(i))
            openAll(*sub, target);
}

// The item at a path of positions, its text read back.
std::string textAt(const vd::Menu& menu, std::vector<int> path)
{
    const vd::Menu* m = &menu;
    for (size_t i = 0; i + 1 < path.size(); ++i)
        m = m->GetSubMenu(path[i]);
    return m ? m->GetMenuString(path.back(), vd::MF_BYPOSITION) : "<missing>";
}

bool isPending(int id)
{
    for (const shell::CommandRange& r : shell::PendingCommands())
        if (id >= r.first && id <= r.last)
            return true;
    return false;
}

} // namespace

TEST(ShellMenus, MapMenuBarReadsBackItsJapaneseTextsAndMnemonics)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    vd::Menu& bar = *run.frame().GetMenu();
    EXPECT_EQ(topLevelTexts(bar), (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "指定の図幅へ", "絵地図(&U)", "表示(&V)",
                                                            "ﾏｯﾋﾟﾝｸﾞ(&M)", "国土情報(&D)", "ﾌｨｰﾙﾄﾞ情報",
                                                            "地点案内(&I)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(vd::Menu::mnemonicOf(bar.GetMenuString(7, vd::MF_BYPOSITION)), "I");

    struct Item {
        int id;
        const char* text;
    };
    for (const Item& item : {Item{33149, "他地域(&D)"}, Item{32811, "1/20万地勢図(&W)..."},
                             Item{32795, "環境設定(&E)..."}, Item{32794, "ﾃｷｽﾄ･画像ﾒﾆｭｰﾊﾞｰへ(&B)"},
                             Item{57607, "ﾃｷｽﾄの印刷(&P)"}, Item{57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
                             Item{1990, "---"}, Item{2350, "---"}, Item{32888, "地図の表示仕様(&A)..."},
                             Item{32834, "支庁界(北海道)"}, Item{32813, "海底地形(&O)..."},
                             Item{32818, "作成(すべての海域)"}, Item{32774, "3次ﾒｯｼｭ [自然環境] (&M)..."},
                             Item{32829, "再表示(&X)..."}, Item{32835, "地震動予測地図"},
                             Item{33274, "検索と表示(&F)..."}, Item{33152, "　スライドショーの中止"},
                             Item{57664, "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20) (&A)..."}}) {
        SCOPED_TRACE(item.id);
        EXPECT_EQ(bar.GetMenuString(item.id, vd::MF_BYCOMMAND), item.text);
    }
    // Sub-menus by their place: ﾌｧｲﾙ / 地図の種類 / 都道府県別地図, 地点案内 / 市区町村を探す and
    // 『地名･公共施設』 / 表示しない.
    EXPECT_EQ(textAt(bar, {0, 1}), "地図の種類");
    EXPECT_EQ(textAt(bar, {0, 1, 2}), "都道府県別地図(&G)...");
    EXPECT_EQ(textAt(bar, {7, 3}), "市区町村を探す...");
    EXPECT_EQ(textAt(bar, {7, 4}), "『地名･公共施設』");
    EXPECT_EQ(textAt(bar, {7, 4, 2}), "表示しない");
}

TEST(ShellMenus, TextPictureBarAndMappingMenuReadBack)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    vd::Menu textBar;
    ASSERT_TRUE(textBar.LoadMenu(shell::IDR_TEXTPICTURE_MENU));
    EXPECT_EQ(topLevelTexts(textBar), (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "〆ﾃｷｽﾄ1", "〆ﾃｷｽﾄ2", "〆ﾃｷｽﾄ3",
                                                                "〆ﾃｷｽﾄ4", "〆ﾃｷｽﾄ5", "ζ画像1", "ζ画像2", "ζ画像3"}));
    EXPECT_EQ(topLevelTexts(*textBar.GetSubMenu(0)),
              (std::vector<std::string>{"ﾃｷｽﾄ･画像ﾒﾆｭｰのｽﾗｲﾄﾞｼｮｰ...", "ﾃｷｽﾄ ﾒﾆｭｰの登録・更新...", "画像  ﾒﾆｭｰの登録・更新...",
                                        "印刷", "地図メニューバーへ(&B)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
    for (int family = 0; family < 8; ++family)
        EXPECT_EQ(textBar.GetSubMenu(1 + family)->GetMenuItemID(0), 2030 + 40 * family);

    // The right-click menu: its first sub-menu at the pointer, answered by the script.
    vd::Menu mapping;
    ASSERT_TRUE(mapping.LoadMenu(shell::IDR_MAPPING_MENU));
    EXPECT_EQ(topLevelTexts(mapping), (std::vector<std::string>{"ﾏｯﾋﾟﾝｸﾞ"}));
    run.script->answerPopupMenu(0);
    mapping.GetSubMenu(0)->TrackPopupMenu(vd::TPM_LEFTALIGN | vd::TPM_RIGHTBUTTON, 10, 10, &run.frame());
    ASSERT_EQ(run.script->popupMenus().size(), 1u);
    EXPECT_EQ(run.script->popupMenus()[0],
              (std::vector<std::string>{"地図再表示", "白地図を拡大", "地点を探す...", "『地名･公共施設』", "地図仕様",
                                        "ｴﾘｱﾏｯﾌﾟ...", "ﾙｰﾄ・ｴﾘｱ索引図", "トラック...", "凡例（標高）...", "海底地形...",
                                        "国土情報", "ﾌｨｰﾙﾄﾞ情報"}));
    EXPECT_EQ(mapping.GetMenuString(32792, vd::MF_BYCOMMAND), "緯線・経線");
    EXPECT_EQ(mapping.GetMenuString(32771, vd::MF_BYCOMMAND), "点データ(&P)...");
}

TEST(ShellMenus, CommandsOfUnbuiltPartsAreDisabledTheShellsOwnEnabled)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    CMainFrame& frame = run.frame();
    const std::set<int> shellOwn{shell::ID_APP_ABOUT, shell::ID_APP_EXIT, shell::ID_FILE_PRINT_SETUP};
    for (int menuId : {shell::IDR_MAINFRAME, shell::IDR_TEXTPICTURE_MENU, shell::IDR_MAPPING_MENU}) {
        vd::Menu menu;
        ASSERT_TRUE(menu.LoadMenu(menuId));
        openAll(menu, frame);
        std::vector<int> ids;
        collectCommands(menu, ids);
        for (int id : ids) {
            SCOPED_TRACE(std::to_string(menuId) + ": " + std::to_string(id));
            const bool grayed = (menu.GetMenuState(id, vd::MF_BYCOMMAND) & vd::MF_GRAYED) != 0;
            if (isPending(id)) {
                EXPECT_TRUE(grayed);
                EXPECT_FALSE(frame.ExecuteCommand(id)) << "a disabled command does not run";
            } else if (shellOwn.count(id)) {
                EXPECT_FALSE(grayed);
                EXPECT_TRUE(frame.canHandle(id));
            }
        }
    }
}

TEST(ShellMenus, EveryCommandOffThePendingListHasAHandlerInTheProgram)
{
    ShellRun run(ShellRun::View::Program);
    ASSERT_TRUE(run.start());
    std::vector<int> ids;
    for (int menuId : {shell::IDR_MAINFRAME, shell::IDR_TEXTPICTURE_MENU, shell::IDR_MAPPING_MENU}) {
        vd::Menu menu;
        ASSERT_TRUE(menu.LoadMenu(menuId));
        collectCommands(menu, ids);
    }
    for (const vd::ui::Accelerator& a : shell::MainAccelerators().entries)
        ids.push_back(a.command);
    // Paste, copy and the panes have no handler in the program: their keys do nothing.
    const std::set<int> unhandled{shell::ID_EDIT_PASTE, shell::ID_EDIT_COPY, shell::ID_NEXT_PANE,
                                  shell::ID_PREV_PANE};
    for (int id : ids) {
        if (!isPending(id) && !unhandled.count(id)) {
            EXPECT_TRUE(run.frame().canHandle(id)) << id;
        }
    }
}

TEST(ShellMenus, APendingCommandIsEnabledOnceAHandlerLands)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    bool ran = false;
    run.view->OnCommand(33284, [&] { ran = true; });
    vd::Menu& bar = *run.frame().GetMenu();
    openAll(bar, run.frame());
    EXPECT_EQ(bar.GetMenuState(33284, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u);
    EXPECT_NE(bar.GetMenuState(32783, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u);
    EXPECT_TRUE(run.frame().ExecuteCommand(33284));
    EXPECT_TRUE(ran);
}

TEST(ShellMenus, MenuBarsSwapAndSwapBack)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    CMainFrame& frame = run.frame();
    ASSERT_TRUE(frame.ShowMenuBar(shell::IDR_TEXTPICTURE_MENU));
    EXPECT_EQ(frame.GetMenu()->GetMenuString(1, vd::MF_BYPOSITION), "〆ﾃｷｽﾄ1");
    EXPECT_EQ(frame.GetMenu()->GetMenuString(shell::ID_SWITCH_MENU_BAR, vd::MF_BYCOMMAND), "地図メニューバーへ(&B)");
    ASSERT_TRUE(frame.ShowMenuBar(shell::IDR_MAINFRAME));
    EXPECT_EQ(frame.GetMenu()->GetMenuString(shell::ID_SWITCH_MENU_BAR, vd::MF_BYCOMMAND),
              "ﾃｷｽﾄ･画像ﾒﾆｭｰﾊﾞｰへ(&B)");
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 9);
    EXPECT_FALSE(frame.ShowMenuBar(4711)) << "no such menu: the bar stays";
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 9);
}
