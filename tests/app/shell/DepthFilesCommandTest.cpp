// The sea-floor depth files as a new user meets them: the bundled depth folder chosen with "登録"
// in the submarine settings, the intermediate files of central and western Japan built from the
// menu, and their distribution map framing each of them in blue.
#include "MainWindowFixture.h"

#include "platform/ui/DialogDriver.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kSubmarineSettings = 32813;
constexpr int kDepthFileStatus = 32814;
constexpr int kBuildCentralJapan = 32816;

// The path of menus to a command of the bar: its top-level action, sub-menus, the item.
bool FindPath(QMenu* menu, int id, std::vector<QAction*>& path)
{
    for (QAction* a : menu->actions()) {
        path.push_back(a);
        if (a->menu() ? FindPath(a->menu(), id, path) : a->property("vdCommand").toInt() == id)
            return true;
        path.pop_back();
    }
    return false;
}

// Opens the bar's menu with a click on its title, its sub-menus by the keyboard, then clicks the
// item, as a user does.
bool Choose(QMenuBar* bar, int id)
{
    std::vector<QAction*> path;
    for (QAction* top : bar->actions()) {
        path = {top};
        if (top->menu() && FindPath(top->menu(), id, path))
            break;
        path.clear();
    }
    if (path.empty())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(path.front()).center());
    QMenu* menu = path.front()->menu();
    if (!waitFor([menu] { return menu->isVisible(); }, 5000))
        return false;
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        menu->setActiveAction(path[i]);
        QTest::keyClick(menu, Qt::Key_Right);
        QMenu* sub = path[i]->menu();
        if (!waitFor([sub] { return sub->isVisible(); }, 5000))
            return false;
        menu = sub;
    }
    if (!path.back()->isEnabled())
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(path.back()).center());
    return true;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    if (std::filesystem::is_directory(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(DepthFilesCommand, BundledDepthsChosenBuiltAndShown)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::filesystem::path depth = vd::applicationFolderPath() / "DEPTH";
    ASSERT_TRUE(std::filesystem::exists(depth / "DP34_135.txt")) << "the bundled depths are seeded";

    // 海底地形: "登録" picks a depth file of the bundled folder, which makes SeaFloor\ there.
    const std::string folder = vd::applicationFolder() + "DEPTH\\";
    w.run.script->answerFileDialog(folder + "DP34_135.txt");
    w.run.script->answerDialog("Ombrisk", 129, [](vd::DialogDriver& d) {
        d.click(1009);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(Choose(w.bar(), kSubmarineSettings));
    ASSERT_TRUE(waitFor([&] { return doc.m_strSubmarineDir == folder; }));
    EXPECT_TRUE(std::filesystem::is_directory(depth / "SeaFloor"));

    // 水深中間ﾌｧｲﾙ > 作成(中～西日本周辺): the files of the meshes around the start sheet.
    ASSERT_TRUE(Choose(w.bar(), kBuildCentralJapan));
    const std::vector<std::string> expected = {"Sf5134.dat", "Sf5135.dat", "Sf5136.dat", "Sf5234.dat",
                                               "Sf5235.dat", "Sf5236.dat", "Sf5334.dat", "Sf5335.dat"};
    ASSERT_TRUE(waitFor([&] { return FilesIn(depth / "SeaFloor").size() == expected.size(); }, 20000))
        << FilesIn(depth / "SeaFloor").size();
    EXPECT_EQ(FilesIn(depth / "SeaFloor"), expected);
    for (const std::string& name : expected)
        EXPECT_EQ(std::filesystem::file_size(depth / "SeaFloor" / name), 51200u) << name;
    ASSERT_TRUE(waitFor([&] { return doc.m_nSubmarineView == -999 && !w.repaintPending(); }));

    // 作成状況: each file framed in blue on the overview; mesh 5235's south edge runs along
    // y = 382 from 135 E eastwards.
    ASSERT_TRUE(Choose(w.bar(), kDepthFileStatus));
    ASSERT_TRUE(waitFor([&] { return doc.m_nMapDisplayMode == 22 || !w.repaintPending(); }));
    ASSERT_TRUE(waitFor([&] { return !w.repaintPending(); }));
    const QImage shown = w.shown();
    const int x = doc.m_nOverviewOriginX;
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(shown.pixel(x + 5, 382), blue);
    EXPECT_EQ(shown.pixel(x + 20, 382), blue);
    int bluePixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int xx = 0; xx < shown.width(); ++xx)
            bluePixels += shown.pixel(xx, y) == blue;
    EXPECT_GT(bluePixels, 8 * 60);
}
