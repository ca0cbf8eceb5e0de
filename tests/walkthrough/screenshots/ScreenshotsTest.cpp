// The screenshots of the README, taken of the real program on the sample data: the start sheet
// with the sample layers, a text page, an album page and a route map (the map kinds of the
// libraries are in MapKindScreenshotsTest.cpp). Each is reached as a user does: menus chosen with
// the mouse, dialogs answered through their controls, keys pressed. scripts/screenshots.sh takes
// them on Xvfb.
#include "tests/walkthrough/screenshots/ScreenshotProgram.h"

#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;
using screenshots::Program;
using screenshots::save;
using screenshots::windowPicture;

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

// The program after the key's command, its dialogs answered with OK and their first rows.
void takeAfterKey(Qt::Key key, int command, const std::string& name, const std::function<void()>& prepare = {})
{
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
