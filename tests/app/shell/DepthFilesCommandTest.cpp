// The sea-floor depth files as a new user meets them: the bundled depth folder chosen with "登録"
// in the submarine settings, the intermediate files of central and western Japan built from the
// menu, their distribution map framing each of them in blue, and the start sheet's block drawn
// in each of the sea-floor modes with its legend.
#include "MainWindowFixture.h"

#include "platform/ui/DialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kSubmarineSettings = 32813;
constexpr int kDepthFileStatus = 32814;
constexpr int kBuildCentralJapan = 32816;

// 海底地形: "登録" picks a depth file of the bundled folder; then the intermediate files of the
// meshes around the start sheet are built from the menu.
bool ChooseAndBuildBundledDepths(MainWindow& w)
{
    const std::string folder = vd::applicationFolder() + "DEPTH\\";
    w.run.script->answerFileDialog(folder + "DP34_135.txt");
    w.run.script->answerDialog("Ombrisk", 129, [](vd::DialogDriver& d) {
        d.click(1009);
        d.click(vd::IDOK);
    });
    if (!ChooseFromMenus(w.bar(), kSubmarineSettings) ||
        !waitFor([&] { return w.doc().folders.m_strSubmarineDir == folder; }))
        return false;
    return ChooseFromMenus(w.bar(), kBuildCentralJapan) &&
           waitFor([&] { return w.doc().depth.m_nSubmarineView == -999 && !w.repaintPending(); }, 30000);
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
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kSubmarineSettings));
    ASSERT_TRUE(waitFor([&] { return doc.folders.m_strSubmarineDir == folder; }));
    EXPECT_TRUE(std::filesystem::is_directory(depth / "SeaFloor"));

    // 水深中間ﾌｧｲﾙ > 作成(中～西日本周辺): the files of the meshes around the start sheet.
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kBuildCentralJapan));
    const std::vector<std::string> expected = {"Sf5134.dat", "Sf5135.dat", "Sf5136.dat", "Sf5234.dat",
                                               "Sf5235.dat", "Sf5236.dat", "Sf5334.dat", "Sf5335.dat"};
    ASSERT_TRUE(waitFor([&] { return FilesIn(depth / "SeaFloor").size() == expected.size(); }, 20000))
        << FilesIn(depth / "SeaFloor").size();
    EXPECT_EQ(FilesIn(depth / "SeaFloor"), expected);
    for (const std::string& name : expected)
        EXPECT_EQ(std::filesystem::file_size(depth / "SeaFloor" / name), 51200u) << name;
    ASSERT_TRUE(waitFor([&] { return doc.depth.m_nSubmarineView == -999 && !w.repaintPending(); }));

    // 作成状況: each file framed in blue on the overview; mesh 5235's south edge runs along
    // y = 382 from 135 E eastwards.
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kDepthFileStatus));
    ASSERT_TRUE(waitFor([&] { return doc.m_nMapDisplayMode == 22 || !w.repaintPending(); }));
    ASSERT_TRUE(waitFor([&] { return !w.repaintPending(); }));
    const QImage shown = w.shown();
    const int x = doc.pointer.m_nOverviewOriginX;
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(shown.pixel(x + 5, 382), blue);
    EXPECT_EQ(shown.pixel(x + 20, 382), blue);
    int bluePixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int xx = 0; xx < shown.width(); ++xx)
            bluePixels += shown.pixel(xx, y) == blue;
    EXPECT_GT(bluePixels, 8 * 60);
}

// 作成 without depth data makes nothing and says so, naming what is missing; nothing is drawn
// as if it were made.
TEST(DepthFilesCommand, BuildingWithoutDepthDataSaysWhyNothingWasMade)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::filesystem::path empty = vd::applicationFolderPath() / "NODEPTHS";
    std::filesystem::create_directories(empty);
    const struct {
        std::string folder, says;
    } cases[] = {{"", "水深データのフォルダが登録されていないため"},
                 {vd::applicationFolder() + "NODEPTHS\\", "NODEPTHS\\ に水深データ (DP*.txt) がないため"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        doc.folders.m_strSubmarineDir = c.folder;
        const std::size_t before = w.run.script->messageBoxes().size();
        const int mode = doc.m_nMapDisplayMode;
        ASSERT_TRUE(ChooseFromMenus(w.bar(), kBuildCentralJapan));
        ASSERT_TRUE(waitFor([&] { return w.run.script->messageBoxes().size() > before; }));
        EXPECT_NE(w.run.script->messageBoxes().back().text.find(c.says), std::string::npos)
            << w.run.script->messageBoxes().back().text;
        EXPECT_EQ(doc.m_nMapDisplayMode, mode) << "no build page";
    }
    EXPECT_TRUE(FilesIn(empty / "SEAFLOOR").empty());
}

namespace {

// The sea-floor settings chosen in the dialog: shown, a drawing method (0 tint, 1 contours,
// 2 both kinds of soundings), relief; then the sheet map drawn again. Each call changes the
// layer, the method or relief, so the wait sees the new settings.
bool ShowSeaFloor(MainWindow& w, int method, bool relief)
{
    w.run.script->answerDialog("Ombrisk", 129, [method, relief](vd::DialogDriver& d) {
        d.check(1003, true);
        d.click(1004 + method);
        d.check(1010, relief);
        d.check(1011, false);
        d.click(vd::IDOK);
    });
    if (!ChooseFromMenus(w.bar(), kSubmarineSettings))
        return false;
    const auto drawn = [&] {
        const CVeldoranDoc& doc = w.doc();
        return doc.depth.m_nSubmarineLayer == 1 && doc.depth.m_anSubmarineSetting[0] == method &&
               doc.depth.m_anSubmarineSetting[1] == (relief ? 1 : 0) && doc.m_nMapDisplayMode == 10 &&
               !w.repaintPending();
    };
    // The dialog's closing activates the main window again, which may erase and draw once more.
    if (!waitFor(drawn, 20000))
        return false;
    QTest::qWait(500);
    return waitFor(drawn, 20000);
}

// Where a place (degrees) lies on the start sheet's 3 x 3 block: the sheet map's scales and its
// origin (10, 30), from the block's south-west mesh.
struct BlockPlace {
    float scaleX, scaleY;
    int west, north;
    QPoint At(double latitude, double longitude) const
    {
        return QPoint(int(float(longitude * 3600 - west) * scaleX + 10.0f),
                      int(float(north - latitude * 3600) * scaleY + 30.0f));
    }
};

BlockPlace PlaceOf(const CVeldoranDoc& doc)
{
    const int code = std::stoi(doc.m_astrBlockMeshCode[6]);
    return {doc.m_fWhiteZoomX * 0.08888889f, doc.m_fWhiteZoomY * 0.13333334f, (code % 100 + 100) * 3600,
            (code / 100 + 3) * 2400};
}

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// The pixels of a colour in a square of 2 x radius + 1 around a point.
int Around(const QImage& image, QPoint at, QRgb colour, int radius = 3)
{
    int found = 0;
    for (int y = at.y() - radius; y <= at.y() + radius; ++y)
        for (int x = at.x() - radius; x <= at.x() + radius; ++x)
            found += image.valid(x, y) && image.pixel(x, y) == colour;
    return found;
}

} // namespace

// The soundings write the file they read on the status line's band ("…を入力中"); once the map is
// whole that line is gone, so the status line is not written through it, in a narrow window and
// in a wide one.
TEST(DepthFilesCommand, TheSoundingsReadingLineIsGoneOnceTheMapIsWhole)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    ASSERT_TRUE(ChooseAndBuildBundledDepths(w));
    ASSERT_TRUE(ShowSeaFloor(w, 2, false));
    for (const QSize size : {QSize(721, 800), QSize(1280, 1000)}) {
        w.main->resize(size);
        QTest::qWait(200);
        ASSERT_TRUE(waitFor([&] { return doc.m_nMapDisplayMode == 10 && !w.repaintPending(); }, 20000));
        const QImage shown = w.shown();
        int red = 0, black = 0;
        for (int y = shown.height() - 27; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                red += shown.pixel(x, y) == Rgb(255, 0, 0);
                black += shown.pixel(x, y) == Rgb(0, 0, 0);
            }
        EXPECT_EQ(red, 0) << shown.width() << " wide";
        EXPECT_GT(black, 0) << "the status line is written";
    }
}

TEST(DepthFilesCommand, StartBlockInEverySeaFloorMode)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    // A window large enough for the legend to stand clear of the view's buttons.
    w.main->resize(QSize(1280, 1000));
    ASSERT_TRUE(waitFor([&] { return doc.m_nMapDisplayMode == 10 && !w.repaintPending(); }));
    ASSERT_TRUE(ChooseAndBuildBundledDepths(w));
    ASSERT_EQ(doc.position.m_nMapFrame, 2);
    const BlockPlace place = PlaceOf(doc);
    const int right = w.shown().width();
    const struct {
        const char* name;
        double latitude, longitude;
    } seas[] = {{"Osaka Bay", 34.55, 135.30},
                {"Harima-nada", 34.60, 134.45},
                {"Ise Bay", 34.85, 136.75},
                {"off Wakasa Bay", 35.85, 135.55},
                {"Japan Sea", 35.95, 135.20}};

    // Tint: the bays in class 0, the Japan Sea off Wakasa Bay in class 1; the legend's first
    // and last swatches.
    ASSERT_TRUE(ShowSeaFloor(w, 0, false));
    QImage shown = w.shown();
    for (int i : {0, 1, 2})
        EXPECT_EQ(shown.pixel(place.At(seas[i].latitude, seas[i].longitude)), Rgb(0, 227, 255)) << seas[i].name;
    for (int i : {3, 4})
        EXPECT_EQ(shown.pixel(place.At(seas[i].latitude, seas[i].longitude)), Rgb(0, 199, 255)) << seas[i].name;
    EXPECT_EQ(shown.pixel(right - 120, 340 + 30 + 7), Rgb(0, 227, 255));
    EXPECT_EQ(shown.pixel(right - 120, 340 + 30 + 22 * 12 + 7), Rgb(0, 0, 207));

    // Relief: the shallow bays shaded from green 199 down, the Japan Sea as well; the legend's
    // three rows.
    ASSERT_TRUE(ShowSeaFloor(w, 0, true));
    shown = w.shown();
    for (const auto& sea : seas) {
        const QRgb c = shown.pixel(place.At(sea.latitude, sea.longitude));
        EXPECT_TRUE(qRed(c) == 0 && qGreen(c) < 199 && qGreen(c) > 90 && qBlue(c) < 255) << sea.name;
    }
    EXPECT_EQ(shown.pixel(right - 120, 500 + 30 + 7), Rgb(0, 199, 255));
    EXPECT_EQ(shown.pixel(right - 120, 500 + 30 + 22 * 2 + 7), Rgb(0, 143, 255));

    // Contours: the 100 m and 200 m lines in pen 0 (ramp step 1) somewhere off Wakasa Bay, where
    // the sea floor falls through them; the legend's six rows.
    ASSERT_TRUE(ShowSeaFloor(w, 1, false));
    shown = w.shown();
    int pen0 = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < right - 150; ++x)
            pen0 += shown.pixel(x, y) == Rgb(0, 227, 255);
    EXPECT_GT(pen0, 200);
    EXPECT_GT(Around(shown, place.At(35.7, 135.55), Rgb(0, 227, 255), 40), 0);
    EXPECT_EQ(shown.pixel(right - 120, 370 + 30 + 7), Rgb(0, 227, 255));
    EXPECT_EQ(shown.pixel(right - 120, 370 + 30 + 22 * 5 + 7), Rgb(0, 87, 255));

    // Soundings of both kinds: ETOPO5's nodes in red, the interpolated cells in black, in the
    // bays; the legend's two dots.
    ASSERT_TRUE(ShowSeaFloor(w, 2, false));
    shown = w.shown();
    for (int i : {0, 1, 3})
        EXPECT_GT(Around(shown, place.At(seas[i].latitude, seas[i].longitude), Rgb(0, 0, 0), 6), 0) << seas[i].name;
    // The nodes are 5 minutes apart, a node in every sea cell that holds one.
    const QPoint north = place.At(36.0, 134.0);
    const QPoint south = place.At(34.0, 137.0);
    int red = 0;
    for (int y = north.y() + 1; y < south.y(); ++y)
        for (int x = north.x() + 1; x < south.x(); ++x)
            red += shown.pixel(x, y) == Rgb(255, 0, 0);
    EXPECT_GT(red, 100);
    EXPECT_EQ(shown.pixel(right - 120, 500 + 45 - 8), Rgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(right - 120, 500 + 45 + 22 - 8), Rgb(0, 0, 0));
}
