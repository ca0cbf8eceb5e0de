// The menus as a user chooses from them: through the real menu bar by mouse and by keyboard, and
// the right-click menu of the map. Every item of menus 128, 133 and 155 is listed with its state
// once the start map is on screen; each enabled item, chosen, reaches the command route.
#include "MainWindowFixture.h"

#include "app/shell/ShellCommands.h"
#include "platform/dc/Dc.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuImpl.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <map>
#include <set>
#include <string>

namespace {

// The state of a menu item with the start map on screen.
enum class State {
    Enabled,     // chosen, its command runs
    Conditional, // its handler is there, but not for the map on screen (a text page, an album...)
                 // or not before the library dialog it opens has landed
    Pending,     // disabled: its handler comes with a piece still to land
};

struct MenuItem {
    int menu;
    int id;
    State state;
};

constexpr State E = State::Enabled;
constexpr State C = State::Conditional;
constexpr State P = State::Pending;

// Every command item of the three menus (the placeholders of the dynamic families included).
const MenuItem kMenuItems[] = {
    // 128 ﾌｧｲﾙ(&F)
    {128, 33149, E}, {128, 32811, E}, {128, 32810, E}, {128, 32812, E}, {128, 33153, E}, {128, 33157, E},
    {128, 32827, E}, {128, 32828, E}, {128, 32885, E}, {128, 32889, E}, {128, 33154, E}, {128, 32893, E},
    {128, 32897, E}, {128, 33158, E}, {128, 33284, E}, {128, 33285, E}, {128, 32808, E}, {128, 32820, E},
    {128, 32795, E}, {128, 33256, E}, {128, 32794, E}, {128, 57607, C}, {128, 57609, C}, {128, 57606, E},
    {128, 57665, E},
    // 128 指定の図幅へ, 絵地図(&U): the first entries of MAPFILE.DAT (written by the document) and of
    // the GUIDEMAP.DAT the tests write (the sample one holds comments only)
    {128, 1990, E}, {128, 2350, E},
    // 128 表示(&V)
    {128, 32888, E}, {128, 33262, E}, {128, 32791, E}, {128, 32834, E}, {128, 32792, E}, {128, 32882, E},
    {128, 32883, E}, {128, 33156, E},
    // 128 ﾏｯﾋﾟﾝｸﾞ(&M)
    {128, 33253, E}, {128, 33254, E}, {128, 33269, E}, {128, 33251, E}, {128, 33258, C}, {128, 32813, E},
    {128, 32814, E}, {128, 32815, E}, {128, 32816, E}, {128, 32817, E}, {128, 32818, E}, {128, 32830, E},
    // 128 国土情報(&D), ﾌｨｰﾙﾄﾞ情報
    {128, 32771, E}, {128, 32772, E}, {128, 32773, E}, {128, 32774, E}, {128, 32775, E}, {128, 32781, E},
    {128, 32779, E}, {128, 32825, E}, {128, 32778, E}, {128, 32776, C}, {128, 32780, C}, {128, 32782, E},
    {128, 32783, C}, {128, 32829, E}, {128, 32826, C}, {128, 32835, E}, {128, 32837, C},
    // 128 地点案内(&I)
    {128, 32892, E}, {128, 32896, E}, {128, 33266, E}, {128, 32833, E}, {128, 33274, E}, {128, 33275, C}, {128, 33279, C},
    {128, 33281, E}, {128, 33286, E}, {128, 33150, E}, {128, 33152, C}, {128, 33151, E},
    // 128 ﾍﾙﾌﾟ(&H)
    {128, 57664, E},
    // 133 ﾌｧｲﾙ(&F) and the eight item menus of SOURCE\MENUFILE.DAT
    {133, 32807, E}, {133, 32805, E}, {133, 32806, E}, {133, 57607, C}, {133, 57609, C}, {133, 57606, E},
    {133, 32794, E}, {133, 57665, E}, {133, 2030, E}, {133, 2070, E}, {133, 2110, E}, {133, 2150, E},
    {133, 2190, E}, {133, 2230, E}, {133, 2270, E}, {133, 2310, E},
    // 155 ﾏｯﾋﾟﾝｸﾞ, the right-click menu
    {155, 32885, E}, {155, 33153, E}, {155, 33267, E}, {155, 33276, E}, {155, 33278, C}, {155, 33279, C},
    {155, 33282, E}, {155, 33264, E}, {155, 33265, E}, {155, 32791, E}, {155, 32792, E}, {155, 33255, E},
    {155, 33270, E}, {155, 33251, E}, {155, 33259, C}, {155, 32813, E}, {155, 32771, E}, {155, 32772, E},
    {155, 32773, E}, {155, 32774, E}, {155, 32775, E}, {155, 32781, E}, {155, 32779, E}, {155, 32825, E},
    {155, 32778, E}, {155, 32776, C}, {155, 32780, C}, {155, 32782, E}, {155, 32783, C}, {155, 32829, E},
    {155, 32826, C}, {155, 32835, E}, {155, 32837, C},
};

// Sub-menus by their path of titles: enabled while one of their items is.
struct SubMenu {
    int menu;
    const char* path;
    bool enabled;
};
const SubMenu kSubMenus[] = {
    {128, "ﾌｧｲﾙ(&F)/地図の種類", true},      {128, "ﾌｧｲﾙ(&F)/ﾏｳｽのﾄﾞﾗｯｸﾞ操作", true},
    {128, "ﾌｧｲﾙ(&F)/データファイル", true},  {128, "ﾌｧｲﾙ(&F)/印刷", true},
    {128, "表示(&V)/日本列島図", true},      {128, "ﾏｯﾋﾟﾝｸﾞ(&M)/水深中間ﾌｧｲﾙ", true},
    {128, "国土情報(&D)/組み合せ登録", true}, {128, "地点案内(&I)/『地名･公共施設』", true},
    {133, "ﾌｧｲﾙ(&F)/印刷", true},             {155, "ﾏｯﾋﾟﾝｸﾞ/『地名･公共施設』", true},
    {155, "ﾏｯﾋﾟﾝｸﾞ/地図仕様", true},         {155, "ﾏｯﾋﾟﾝｸﾞ/国土情報", true},
    {155, "ﾏｯﾋﾟﾝｸﾞ/ﾌｨｰﾙﾄﾞ情報", true},
};

std::string title(const QAction* a)
{
    return (a->menu() ? a->menu()->title() : a->text()).toStdString();
}

// The command items under a menu, by id, with the path of menus that leads to each.
void collect(QMenu* menu, std::vector<QAction*> path, std::map<int, std::vector<QAction*>>& items,
             std::map<std::string, QAction*>& subMenus, const std::string& prefix)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        auto here = path;
        here.push_back(a);
        if (a->menu()) {
            subMenus[prefix + title(a)] = a;
            collect(a->menu(), here, items, subMenus, prefix + title(a) + "/");
        } else {
            items[a->property("vdCommand").toInt()] = here;
        }
    }
}

struct BarItems {
    std::map<int, std::vector<QAction*>> items; // id -> the top-level action, sub-menus, the item
    std::map<std::string, QAction*> subMenus;
};

BarItems itemsOf(QMenuBar* bar)
{
    BarItems out;
    for (QAction* top : bar->actions())
        if (top->menu())
            collect(top->menu(), {top}, out.items, out.subMenus, title(top) + "/");
    return out;
}

// Opens a menu of the bar with a click on its title, as a user does; its items are then updated.
QMenu* openFromBar(QMenuBar* bar, QAction* top)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    waitFor([top] { return top->menu()->isVisible(); }, 5000);
    return top->menu();
}

void closeMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// Chooses an item through the bar: its menu opened by a click, sub-menus by the keyboard (the
// item made current, Right), the item clicked.
bool chooseFromBar(QMenuBar* bar, const std::vector<QAction*>& path)
{
    QMenu* menu = openFromBar(bar, path.front());
    if (!menu->isVisible())
        return false;
    menu = OpenSubMenus(menu, path);
    if (!menu)
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(path.back()).center());
    return true;
}

State stateOf(const QAction* item, const MainWindow& w)
{
    if (item->isEnabled())
        return State::Enabled;
    const int id = item->property("vdCommand").toInt();
    return w.run.frame().canHandle(id) ? State::Conditional : State::Pending;
}

const char* nameOf(State s)
{
    return s == State::Enabled ? "enabled" : s == State::Conditional ? "conditional" : "pending";
}

// Checks the bar in place against the table: each menu opened from the bar.
void checkBar(MainWindow& w, int menuId)
{
    BarItems bar = itemsOf(w.bar());
    for (QAction* top : w.bar()->actions()) {
        openFromBar(w.bar(), top);
        closeMenus();
    }
    std::set<int> listed;
    for (const MenuItem& item : kMenuItems) {
        if (item.menu != menuId)
            continue;
        listed.insert(item.id);
        SCOPED_TRACE(std::to_string(menuId) + ": " + std::to_string(item.id));
        ASSERT_TRUE(bar.items.count(item.id));
        const QAction* action = bar.items[item.id].back();
        EXPECT_STREQ(nameOf(stateOf(action, w)), nameOf(item.state));
        EXPECT_FALSE(action->isCheckable() && !action->isChecked()) << "no empty check box";
    }
    for (const auto& [id, path] : bar.items)
        EXPECT_TRUE(listed.count(id)) << menuId << ": " << id << " is not in the table";
    for (const SubMenu& sub : kSubMenus)
        if (sub.menu == menuId) {
            SCOPED_TRACE(sub.path);
            ASSERT_TRUE(bar.subMenus.count(sub.path));
            EXPECT_EQ(bar.subMenus[sub.path]->isEnabled(), sub.enabled);
        }
}

// One guide map in the menu, so that the guide-map family shows an item.
void writeGuideMapList()
{
    std::ofstream(std::filesystem::path(vd::applicationFolderPath()) / "GUIDEMAP" / "GUIDEMAP.DAT", std::ios::binary)
        << "Guide PICT\\GUIDE.BMP\r\n";
}

} // namespace

TEST(MainWindowMenus, EveryItemOfTheThreeMenusHasItsStateOfToday)
{
    MainWindow w;
    writeGuideMapList();
    ASSERT_TRUE(w.start());
    checkBar(w, shell::IDR_MAINFRAME);
    ASSERT_TRUE(w.run.frame().ShowMenuBar(shell::IDR_TEXTPICTURE_MENU));
    checkBar(w, shell::IDR_TEXTPICTURE_MENU);

    // The right-click menu is built and updated as the view shows it; the scripted popup chooses
    // nothing and lists what it was shown.
    vd::Menu mapping;
    ASSERT_TRUE(mapping.LoadMenu(shell::IDR_MAPPING_MENU));
    w.run.script->answerPopupMenu(0);
    mapping.GetSubMenu(0)->TrackPopupMenu(0, 10, 10, w.view);
    BarItems popup;
    collect(mapping.impl()->menu, {}, popup.items, popup.subMenus, "");
    for (const MenuItem& item : kMenuItems)
        if (item.menu == shell::IDR_MAPPING_MENU) {
            SCOPED_TRACE("155: " + std::to_string(item.id));
            ASSERT_TRUE(popup.items.count(item.id));
            EXPECT_STREQ(nameOf(stateOf(popup.items[item.id].back(), w)), nameOf(item.state));
        }
    for (const SubMenu& sub : kSubMenus)
        if (sub.menu == shell::IDR_MAPPING_MENU) {
            SCOPED_TRACE(sub.path);
            ASSERT_TRUE(popup.subMenus.count(sub.path));
            EXPECT_EQ(popup.subMenus[sub.path]->isEnabled(), sub.enabled);
        }
}

TEST(MainWindowMenus, EachEnabledItemChosenThroughTheMenuBarReachesItsHandler)
{
    MainWindow w;
    writeGuideMapList();
    ASSERT_TRUE(w.start());
    w.view->swallow = true;
    for (int menuId : {shell::IDR_MAINFRAME, shell::IDR_TEXTPICTURE_MENU}) {
        ASSERT_TRUE(w.run.frame().ShowMenuBar(menuId));
        BarItems bar = itemsOf(w.bar());
        for (const MenuItem& item : kMenuItems) {
            if (item.menu != menuId || item.state != State::Enabled)
                continue;
            SCOPED_TRACE(std::to_string(menuId) + ": " + std::to_string(item.id));
            w.view->routed.clear();
            ASSERT_TRUE(chooseFromBar(w.bar(), bar.items[item.id]));
            EXPECT_TRUE(waitFor([&] { return !w.view->routed.empty(); }, 5000));
            EXPECT_EQ(w.view->routed, std::vector<int>{item.id}) << "chosen once, routed once";
            EXPECT_TRUE(w.run.frame().canHandle(item.id));
            EXPECT_FALSE(bar.items[item.id].back()->isChecked()) << "no stray check mark";
            closeMenus();
        }
    }
    // The right-click menu on the map, chosen by the scripted popup.
    ASSERT_TRUE(w.run.frame().ShowMenuBar(shell::IDR_MAINFRAME));
    for (const MenuItem& item : kMenuItems) {
        if (item.menu != shell::IDR_MAPPING_MENU || item.state != State::Enabled)
            continue;
        SCOPED_TRACE("155: " + std::to_string(item.id));
        w.view->routed.clear();
        w.run.script->answerPopupMenu(item.id);
        QTest::mouseClick(w.viewWidget(), Qt::RightButton, {}, QPoint(300, 300));
        EXPECT_EQ(w.view->routed, std::vector<int>{item.id});
    }
}

TEST(MainWindowMenus, TheAboutBoxOpensFromTheHelpMenuByMouseAndByKeyboard)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    int shown = 0;
    for (int i = 0; i < 2; ++i)
        w.run.script->answerDialog(shell::IDD_ABOUTBOX, [&](vd::DialogDriver& d) {
            ++shown;
            d.click(vd::IDOK);
        });
    BarItems bar = itemsOf(w.bar());
    const std::vector<QAction*> about = bar.items[shell::ID_APP_ABOUT];
    ASSERT_TRUE(chooseFromBar(w.bar(), about));
    EXPECT_TRUE(waitFor([&] { return shown == 1; }, 5000)) << "by mouse";
    EXPECT_FALSE(about.back()->isChecked());

    w.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.main));
    QTest::keyClick(w.main, Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(waitFor([&] { return about.front()->menu()->isVisible(); }, 5000)) << "Alt+H opens ﾍﾙﾌﾟ";
    QMenu* help = about.front()->menu();
    QTest::keyClick(help, Qt::Key_Down);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return shown == 2; }, 5000)) << "by keyboard";
    EXPECT_TRUE(w.run.script->unanswered().empty());
}

TEST(MainWindowMenus, ExitFromTheMenuEndsTheRunWithItsSettingsWritten)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    BarItems bar = itemsOf(w.bar());
    ASSERT_TRUE(chooseFromBar(w.bar(), bar.items[shell::ID_APP_EXIT]));
    EXPECT_TRUE(waitFor([&] { return !w.run.frame().IsWindow(); }, 5000)) << "the frame closed";
    w.run.app->Shutdown();
    EXPECT_NE(vd::ProfileStore().getString("LastData", "MapName", "<none>"), "<none>");
}

TEST(MainWindowMenus, OnATextPageBothPrintItemsAndCtrlPPrint)
{
    namespace fs = std::filesystem;
    MainWindow w;
    ASSERT_TRUE(w.start());
    int drawn = 0;
    w.view->standIns.drawTextPage = [&](vd::Dc& dc) {
        ++drawn;
        dc.FillSolidRect(vd::Rect{600, 600, 1200, 1200}, vd::RGB(0, 0, 0));
    };
    w.doc().m_strEntryParam = "TEXT\\PAGE.TXT";
    const fs::path folder = vd::applicationFolderPath();
    for (int menuId : {shell::IDR_MAINFRAME, shell::IDR_TEXTPICTURE_MENU}) {
        SCOPED_TRACE(menuId);
        ASSERT_TRUE(w.run.frame().ShowMenuBar(menuId));
        w.doc().m_nMapDisplayMode = 20;
        BarItems bar = itemsOf(w.bar());
        const fs::path pdf = folder / ("menu-" + std::to_string(menuId) + ".pdf");
        w.run.script->answerPrintDialog(pdf.string());
        ASSERT_TRUE(chooseFromBar(w.bar(), bar.items[shell::ID_FILE_PRINT]));
        EXPECT_TRUE(waitFor([&] { return fs::exists(pdf); }, 5000));
        closeMenus();
        EXPECT_EQ(w.doc().m_nMapDisplayMode, 20);

        const fs::path preview = folder / ("preview-" + std::to_string(menuId) + ".pdf");
        w.run.script->answerPrintPreview({preview.string(), 1, std::nullopt});
        ASSERT_TRUE(chooseFromBar(w.bar(), bar.items[shell::ID_FILE_PRINT_PREVIEW]));
        EXPECT_TRUE(waitFor([&] { return fs::exists(preview); }, 5000));
        closeMenus();
    }
    // Ctrl+P, then Ctrl+P away from the text page (the accelerator is disabled there too).
    const fs::path keyed = folder / "ctrl-p.pdf";
    w.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.main));
    w.doc().m_nMapDisplayMode = 20; // after the activation, which shows the main map
    w.run.script->answerPrintDialog(keyed.string());
    QTest::keyClick(w.main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return fs::exists(keyed); }, 5000));
    EXPECT_EQ(drawn, 5);
    w.doc().m_nMapDisplayMode = 10;
    const int dialogs = w.run.script->printDialogsShown();
    QTest::keyClick(w.main, Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(w.run.script->printDialogsShown(), dialogs);
}
