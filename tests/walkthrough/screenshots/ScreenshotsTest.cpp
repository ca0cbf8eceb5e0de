// The screenshots of the README, taken of the real program on the sample data: the start sheet
// with the sample layers, a settings dialog, a text page, an album page and a route map.
// scripts/screenshots.sh takes them on Xvfb.
#include "tests/app/shell/MainWindowFixture.h"

#include "app/layers/LayerSettingsRows.h"
#include "app/shell/PendingCommands.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/WindowImpl.h"

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

// The settings rows of the sample, as a new application folder holds them, switched on as a user
// ticks them in the layer dialogs: rivers, towns, airports, prefectural offices, coastal depths.
void showSampleLayers(CVeldoranDoc& doc)
{
    const LayerFileRows points = ReadLayerFileRowsFrom(doc.m_strAppDir + "DddPFile.dat", LayerFileFamily::Point);
    std::copy_n(points.names.begin(), 30, doc.m_astrPointName.begin());
    std::copy_n(points.files.begin(), 30, doc.m_astrPointFile.begin());
    for (int t = 0; t < 6; ++t) {
        doc.m_anPointRowA[t] = points.value1[t];
        doc.m_anPointRowB[t] = points.value2[t];
        doc.m_anPointRowC[t] = points.value3[t];
    }
    const LayerFileRows lines = ReadLayerFileRowsFrom(doc.m_strAppDir + "DddMFile.dat", LayerFileFamily::Line);
    doc.m_astrLineName = lines.names;
    doc.m_astrLineFile = lines.files;
    for (int t = 0; t < 7; ++t)
        doc.m_anLineRowValue[t] = lines.value1[t];
    const LayerFileRows meshes = ReadLayerFileRowsFrom(doc.m_strAppDir + "DDMSFILE.DAT", LayerFileFamily::NatureMesh);
    std::copy_n(meshes.names.begin(), 15, doc.m_astrMeshName.begin());
    std::copy_n(meshes.files.begin(), 15, doc.m_astrMeshFile.begin());
    doc.m_anLineRowFlag[0] = {0, 1, 0, 0, 0, 1, 1};
    doc.m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc.m_anPointRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
    doc.m_anPointRowFlag[4] = {0, 0, 0, 1, 0, 1, 0};
    doc.m_anMeshRowFlag[0][6] = 1;
    doc.m_anMeshRowFlag[1] = {0, 1, 0, 0, 0, 1, 0};
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
        QTest::qWaitForWindowActive(main, 2000);
        QTest::keyClick(main, key, modifiers);
    }
    // Draws the map again from its data, as 地図再表示 does, and waits for the picture.
    bool redraw()
    {
        doc().m_nMapDisplayMode = 5;
        doc().m_bMapOnScreen = 0;
        view->InvalidateView(true);
        return waitFor([this] { return !repaintPending(); });
    }
};

} // namespace

TEST(Screenshots, StartSheetWithTheSampleLayers)
{
    Program program;
    ASSERT_TRUE(program.start());
    showSampleLayers(program.doc());
    // Place names: 『地名･公共施設』 > 検索と表示 (Ctrl+F), its dialog taken with its defaults.
    program.run.script->answerOtherDialogs([](vd::DialogDriver& d) { d.click(vd::IDOK); });
    program.pressKey(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(program.redraw());
    save(windowPicture(program.main), "start-sheet");
}

TEST(Screenshots, MapDisplaySettingsDialog)
{
    Program program;
    ASSERT_TRUE(program.start());
    QImage picture;
    program.run.script->answerOtherDialogs([&](vd::DialogDriver& d) {
        if (picture.isNull())
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
    // The page the text menus and the registered points open: TEXT\TERA.TXT of the application folder.
    program.doc().m_strEntryParam = "@:TEXT\\TERA.TXT";
    program.doc().m_nMapDisplayMode = 19;
    program.view->InvalidateView(true);
    ASSERT_TRUE(waitFor([&] { return !program.repaintPending(); }));
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
    program.pressKey(key, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !program.repaintPending(); }));
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
