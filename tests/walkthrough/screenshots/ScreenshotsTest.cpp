// The screenshots of the README, taken of the real program on the sample data: the start sheet
// with the sample layers, a settings dialog, a text page, an album page and a route map. Each is
// reached as a user does: menus chosen with the mouse, dialogs answered through their controls,
// keys pressed. scripts/screenshots.sh takes them on Xvfb.
#include "tests/app/shell/MainWindowFixture.h"

#include "app/settings/MapDisplaySpecDialog.h"
#include "app/shell/PendingCommands.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/WindowImpl.h"
#include "tests/walkthrough/UserActions.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Pictures wider than this are scaled down, so each PNG stays small.
constexpr int kMaxWidth = 1000;

fs::path outputFolder()
{
    if (const char* folder = std::getenv("VD_SCREENSHOTS"))
        return folder;
    return fs::path(std::getenv("XDG_DATA_HOME")).parent_path() / "screenshots";
}

void save(const QImage& picture, const std::string& name)
{
    ASSERT_FALSE(picture.isNull()) << name;
    const fs::path folder = outputFolder();
    fs::create_directories(folder);
    const QImage small = picture.width() > kMaxWidth
        ? picture.scaledToWidth(kMaxWidth, Qt::SmoothTransformation)
        : picture;
    const fs::path file = folder / (name + ".png");
    ASSERT_TRUE(small.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "PNG", 9));
    EXPECT_LT(fs::file_size(file), 300u * 1024) << name;
}

QImage windowPicture(QWidget* window)
{
    return window->grab().toImage();
}

// One tick of a layer dialog: the tab shown, then the row's check box.
struct Tick {
    int tab;
    int checkBox;
};

// A layer dialog under 国土情報 and the rows the README ticks in it.
struct LayerStep {
    const char* what;
    int command;
    int templateId;
    int tabControl;
    std::vector<Tick> ticks;
};

// The README's layer steps: 線データ tab 2 row 1 河川; 点データ tab 1 rows 1 公共施設 and 4 空港台帳,
// tab 7 row 1 市町村; 3次ﾒｯｼｭ [自然環境] tab 3 沿岸海域.
const std::vector<LayerStep>& readmeLayerSteps()
{
    static const std::vector<LayerStep> steps = {
        {"線データ", 32772, 232, 1516, {{1, 1017}}},
        {"点データ", 32771, 254, 1103, {{0, 1110}, {0, 1113}, {6, 1130}}},
        {"3次ﾒｯｼｭ [自然環境]", 32774, 235, 1030, {{2, 1308}}},
    };
    return steps;
}

struct Program : MainWindow {
    Program()
    {
        run.script->setFullScreenSize({1000, 720});
    }
    // A key with Ctrl on the main window, made the active window first as a click on it does.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        main->activateWindow();
        QApplication::setActiveWindow(main);
        (void)QTest::qWaitForWindowActive(main, 2000);
        QTest::keyClick(main, key, modifiers);
    }
    // The menu-bar item chosen with the mouse through its menus, as a user does; the dialog it
    // opens is answered by the actions. True once the command has run and the view is drawn.
    bool choose(int command, const std::string& module, int templateId, vd::ui::Script::DialogActions actions)
    {
        auto answered = std::make_shared<bool>(false);
        run.script->answerDialog(module, templateId, [answered, actions](vd::DialogDriver& d) {
            actions(d);
            *answered = true;
        });
        return choose(command) && waitFor([answered] { return *answered; }, 10000) && waitDrawn();
    }
    // The same for a command that opens no dialog.
    bool choose(int command)
    {
        const auto items = walk::barCommands(bar());
        const auto item = items.find(command);
        view->routed.clear();
        // The menu runs its command once it has closed: wait until the command reached the view.
        return item != items.end() && walk::chooseByMouse(bar(), item->second)
            && waitFor([this, command] { return std::ranges::count(view->routed, command) > 0; }, 10000);
    }
    // The view's picture drawn; the layers' caches build during the first drawing after OK.
    bool waitDrawn()
    {
        return waitFor([this] { return !repaintPending(); }, 120000);
    }
};

} // namespace

TEST(Screenshots, StartSheetWithTheSampleLayers)
{
    Program program;
    ASSERT_TRUE(program.start());
    for (const LayerStep& step : readmeLayerSteps()) {
        ASSERT_TRUE(program.choose(step.command, "Pelmora", step.templateId, [&step](vd::DialogDriver& d) {
            for (const Tick& tick : step.ticks) {
                d.selectTab(step.tabControl, tick.tab);
                d.check(tick.checkBox);
            }
            d.click(vd::IDOK);
        })) << step.what;
    }
    // ﾌｧｲﾙ > 地図再表示: drawn again from the caches the first drawing built.
    ASSERT_TRUE(program.choose(32885) && program.waitDrawn());
    save(windowPicture(program.main), "start-sheet");
}

TEST(Screenshots, MapDisplaySettingsDialog)
{
    Program program;
    ASSERT_TRUE(program.start());
    QImage picture;
    program.run.script->answerDialog(vd::ui::kProgramModule, CDlgMapDisplaySpec::IDD, [&](vd::DialogDriver& d) {
        // Tab 地図, where the README switches the lakes on; the 地名 tab shows the place-name
        // file's path, which names the test's scratch folder here.
        d.selectTab(1144, 2);
        picture = windowPicture(d.dialog().impl()->widget.data());
        d.pressEscape();
    });
    // 表示 > 地図の表示仕様 (Ctrl+A).
    program.pressKey(Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !picture.isNull(); }, 10000));
    save(picture, "settings-dialog");
}

TEST(Screenshots, TextPage)
{
    Program program;
    ASSERT_TRUE(program.start());
    // 地点案内 > ﾃｷｽﾄ..., the registered point 宇治の寺 of the sample data, OK.
    ASSERT_TRUE(program.choose(32892, vd::ui::kProgramModule, 136, [](vd::DialogDriver& d) {
        d.selectComboText(125, "宇治の寺/寺");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(program.doc().m_strEntryParam, "@:text\\tera.txt") << "the chosen point's text is shown";
    save(windowPicture(program.main), "text-page");
}

namespace {

bool pending(int command)
{
    for (const shell::CommandRange& range : shell::PendingCommands())
        if (command >= range.first && command <= range.last)
            return true;
    return false;
}

// The program after the key's command, its dialogs answered with OK and their first rows.
void takeAfterKey(Qt::Key key, int command, const std::string& name, const std::function<void()>& prepare = {})
{
    if (pending(command))
        GTEST_SKIP() << name << " waits for command " << command;
    Program program;
    ASSERT_TRUE(program.start());
    if (prepare)
        prepare();
    program.run.script->answerOtherDialogs([](vd::DialogDriver& d) { d.click(vd::IDOK); });
    program.view->routed.clear();
    program.pressKey(key, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return std::ranges::count(program.view->routed, command) > 0; }, 10000));
    ASSERT_TRUE(program.waitDrawn());
    save(windowPicture(program.main), name);
}

} // namespace

// Ctrl+Z: album play (地点案内 > スライドショー).
TEST(Screenshots, AlbumPage)
{
    takeAfterKey(Qt::Key_Z, 33150, "album-page");
}

namespace {

void writeCp932(const fs::path& file, const std::string& utf8Lines)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << vd::utf8ToCp932(utf8Lines);
}

// A route map and an area map registered as the page-list dialog writes them, so the index has
// something to show: the sample has none of its own.
void registerSampleRouteAndArea()
{
    const fs::path folder = vd::applicationFolderPath() / "ROUTAREA";
    const std::string winFolder = vd::applicationFolder() + "ROUTAREA\\";
    writeCp932(folder / "G26C0110.5R",
               "東京 35.4100 139.4500 駅 @:text\\walk.txt\r\n"
               "名古屋 35.1000 136.5400 駅 @:text\\walk.txt\r\n"
               "京都 35.0100 135.4600 駅 @:text\\tera.txt\r\n"
               "大阪 34.4100 135.3100 駅 @:text\\walk.txt\r\n");
    writeCp932(folder / "RoutMstr.dat", "東海道(計4地点)@" + winFolder + "G26C0110.5R\r\n");
    writeCp932(folder / "G26C0110.6A", "宇治の寺 34.5300 135.4800 寺 @:text\\tera.txt\r\n");
    writeCp932(folder / "AreaMstr.dat", "宇治(計1地点)@" + winFolder + "G26C0110.6A\r\n");
}

} // namespace

// Ctrl+U: the route and area index map (ﾏｯﾋﾟﾝｸﾞ > ﾙｰﾄ・ｴﾘｱ索引図), with a registered route and area.
TEST(Screenshots, RouteMap)
{
    takeAfterKey(Qt::Key_U, 33269, "route-map", registerSampleRouteAndArea);
}
