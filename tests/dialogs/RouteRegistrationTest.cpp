// The points of a route, an area or an album through OnRouteRegistModule (149), and the
// registration of route and area maps (153): the RouteFile and master lines written, the names
// they take, the captions by mode and the answer.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/albums/AlbumFilesDialog.h"
#include "dialogs/albums/RouteFile.h"
#include "dialogs/albums/RouteRegistDialog.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

using namespace dialogtest;

// Two route points as the program hands them, each followed by "|", then the end mark.
const std::string kRoutePoints = "Kyoto駅 34.5906 135.4534 駅 c:\\Photo\\Station.JPG c:\\Text\\Station.TXT|"
                                 "清水寺#1 34.5940 135.4708 寺 c:\\Text\\Kiyomizu.txt|999|";

class Routes : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        script = vd::ui::Script::install();
        std::tm t{};
        t.tm_year = 2004 - 1900;
        t.tm_mon = 11;
        t.tm_mday = 8;
        t.tm_hour = 15;
        t.tm_min = 7;
        script->setNow(timegm(&t));
        run = EntryPoint<OnRouteRegistModule_fn>("OnRouteRegistModule");
        ASSERT_NE(run, nullptr);
        folder = HomeWin() + "ROUTAREA\\";
    }
    std::string Run(const std::string& kind, const std::string& points, int shape = 0, int size = 50)
    {
        return run(shape, size, folder, HomeWin() + "SOURCE\\", "", kind, "ルートマップ", "二番目", "135.0000",
                   "35.0000", "34.5923", "135.4621", "AUTO", "MANUAL", points);
    }
    static std::vector<std::string> Listed(vd::DialogDriver& d)
    {
        std::vector<std::string> lines;
        auto* list = d.dialog().item<vd::ListBox>(albumfilesids::IDC_POINTS);
        for (int i = 0; i < list->GetCount(); ++i)
            lines.push_back(list->GetText(i));
        return lines;
    }

    std::shared_ptr<vd::ui::Script> script;
    OnRouteRegistModule_fn* run = nullptr;
    std::string folder;
};

TEST_F(Routes, RouteModeListsThePointsAndRegistersThemInLowerCase)
{
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "      ﾙｰﾄﾏｯﾌﾟに登録されたﾌｧｲﾙ");
        EXPECT_EQ(d.text(albumfilesids::IDC_TITLE), "ルートマップ");
        EXPECT_EQ(d.text(albumfilesids::IDC_SECOND_TITLE), "");
        EXPECT_EQ(d.text(albumfilesids::IDC_REGISTER), "ﾙｰﾄ登録");
        EXPECT_EQ(d.text(albumfilesids::IDC_PLAY_GROUP), "ﾙｰﾄﾏｯﾌﾟの表示方法");
        EXPECT_EQ(d.text(albumfilesids::IDC_NOTE), "");
        EXPECT_EQ(Listed(d), (std::vector<std::string>{"Kyoto駅#駅", "清水寺#1#寺"}));
        EXPECT_EQ(d.text(kPointListControls.position), "2件");
        EXPECT_TRUE(d.isChecked(albumfilesids::IDC_AUTO));
        EXPECT_EQ(d.text(albumfilesids::IDC_LATITUDE), "34.5906") << "the first entry is shown";
        EXPECT_EQ(d.text(kPointListControls.pictureFile), "c:\\Photo\\Station.JPG");
        d.selectList(albumfilesids::IDC_POINTS, 1);
        EXPECT_EQ(d.text(kPointListControls.position), "2/2");
        EXPECT_EQ(d.text(albumfilesids::IDC_LONGITUDE), "135.4708");
        d.click(albumfilesids::IDC_REGISTER);
        EXPECT_EQ(Listed(d).size(), 2u) << "listed again after the registration";
        d.click(albumfilesids::IDC_MANUAL);
        d.click(albumfilesids::IDC_OK);
    });
    script->answerDialog(kModule, CDlgRouteRegist::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "            ルート登録");
        EXPECT_EQ(d.text(routeregistids::IDC_KIND), "ルート");
        EXPECT_EQ(d.text(routeregistids::IDC_COUNT), "2地点");
        EXPECT_EQ(d.text(routeregistids::IDC_NAME), "Kyoto駅(計2地点)");
        auto* points = d.dialog().item<vd::ListBox>(routeregistids::IDC_POINTS);
        EXPECT_EQ(points->GetCount(), 2);
        d.setText(routeregistids::IDC_NAME, "京都 東山@巡り");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run("RouteMap", kRoutePoints), "MANUAL");
    const std::string routeFile = "ROUTAREA/G04C0815.7R";
    EXPECT_EQ(ReadHomeFile(routeFile),
              Cp932Lines({"kyoto駅 34.5906 135.4534 駅 c:\\photo\\station.jpg c:\\text\\station.txt",
                          "清水寺 34.5940 135.4708 1#寺 c:\\text\\kiyomizu.txt"}));
    EXPECT_EQ(ReadHomeFile("ROUTAREA/RoutMstr.dat"), Cp932Lines({"京都 東山＠巡り@" + folder + "G04C0815.7R"}));
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(Routes, TwoRegistrationsInOneMinuteKeepBothRouteFiles)
{
    WriteHomeFile("ROUTAREA/RoutMstr.dat", Cp932Lines({"前の地図@c:\\old.7R"}));
    for (int i = 0; i < 2; ++i) {
        script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
            d.click(albumfilesids::IDC_REGISTER);
            d.click(vd::IDCANCEL);
        });
        script->answerDialog(kModule, CDlgRouteRegist::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    }
    EXPECT_EQ(Run("RouteMap", kRoutePoints), "cancel");
    EXPECT_EQ(Run("RouteMap", "清水寺 34.5940 135.4708 寺 c:\\k.txt|999|"), "cancel");
    EXPECT_EQ(ReadHomeFile("ROUTAREA/RoutMstr.dat"),
              Cp932Lines({"前の地図@c:\\old.7R", "Kyoto駅(計2地点)@" + folder + "G04C0815.7R",
                          "清水寺(計1地点)@" + folder + "G04C0815.8R"}));
    EXPECT_EQ(ReadHomeFile("ROUTAREA/G04C0815.7R").substr(0, 5), "kyoto") << "the first route map is kept";
    EXPECT_EQ(ReadHomeFile("ROUTAREA/G04C0815.8R"), Cp932Lines({"清水寺 34.5940 135.4708 寺 c:\\k.txt"}));

    // A cancelled name registers nothing.
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        d.click(albumfilesids::IDC_REGISTER);
        d.click(albumfilesids::IDC_OK);
    });
    script->answerDialog(kModule, CDlgRouteRegist::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(Run("RouteMap", kRoutePoints), "AUTO");
    EXPECT_FALSE(std::filesystem::exists(Home() / "ROUTAREA/G04C0815.9R"));
}

TEST_F(Routes, AreaModeNamesTheRangeAndWritesTheAreaList)
{
    const struct {
        int shape;
        int size;
        const char* range;
    } ranges[] = {{0, 5, "半径2kmの圏内"}, {1, 5, "辺長5kmの圏内"}, {0, 50, "半径25kmの圏内"}};
    for (const auto& r : ranges) {
        script->answerDialog(kModule, CDlgAlbumFiles::IDD, [&r](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), " エリア内のﾌｧｲﾙ (中心 N34.5923, E135.4621)");
            EXPECT_EQ(d.text(albumfilesids::IDC_SECOND_TITLE), r.range);
            EXPECT_EQ(d.text(albumfilesids::IDC_REGISTER), "ｴﾘｱ登録");
            EXPECT_EQ(d.text(albumfilesids::IDC_PLAY_GROUP), "ｴﾘｱﾏｯﾌﾟの表示方法");
            d.click(vd::IDCANCEL);
        });
        EXPECT_EQ(Run("AreaMap", kRoutePoints, r.shape, r.size), "cancel");
    }

    // The route folder is made when missing; the area list is created with its first line.
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        d.click(albumfilesids::IDC_REGISTER);
        d.click(albumfilesids::IDC_OK);
    });
    script->answerDialog(kModule, CDlgRouteRegist::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "            エリア登録");
        EXPECT_EQ(d.text(routeregistids::IDC_KIND), "エリア");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run("AreaMap", kRoutePoints), "AUTO");
    EXPECT_EQ(ReadHomeFile("ROUTAREA/AreaMstr.dat"), Cp932Lines({"Kyoto駅(計2地点)@" + folder + "G04C0815.7A"}));
    EXPECT_TRUE(std::filesystem::exists(Home() / "ROUTAREA/G04C0815.7A"));
    EXPECT_FALSE(std::filesystem::exists(Home() / "ROUTAREA/RoutMstr.dat"));
}

TEST_F(Routes, AFolderThatCannotBeMadeIsReportedAndNoMasterLineIsWritten)
{
    WriteHomeFile("blocked", "a file where the folder should be");
    folder = HomeWin() + "blocked\\";
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        d.click(albumfilesids::IDC_REGISTER);
        d.click(albumfilesids::IDC_OK);
    });
    script->answerDialog(kModule, CDlgRouteRegist::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(Run("RouteMap", kRoutePoints), "AUTO");
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("RoutMstr.dat"), std::string::npos);
}

TEST_F(Routes, AlbumModeReadsTheAlbumFileAndRegistersNothing)
{
    WriteHomeFile("ALBUM/G4C1fdd.alb", Cp932Lines({"表門 35.0112 135.4530  c:\\gate.bmp", "庭園 35.0112 135.4530 春 c:\\g.txt"}));
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "        ｱﾙﾊﾞﾑに登録されたﾌｧｲﾙ");
        EXPECT_EQ(d.text(albumfilesids::IDC_TITLE), "ルートマップ");
        EXPECT_EQ(d.text(albumfilesids::IDC_SECOND_TITLE), "二番目");
        EXPECT_EQ(d.text(albumfilesids::IDC_REGISTER), "****");
        EXPECT_EQ(Listed(d), (std::vector<std::string>{"表門#", "庭園#春"}));
        EXPECT_FALSE(d.isChecked(albumfilesids::IDC_AUTO)) << "the album's play mode is the second one";
        EXPECT_TRUE(d.isChecked(albumfilesids::IDC_MANUAL));
        d.click(albumfilesids::IDC_REGISTER);
        d.click(albumfilesids::IDC_AUTO);
        d.click(albumfilesids::IDC_OK);
    });
    EXPECT_EQ(Run(HomeWin() + "ALBUM\\G4C1fdd.alb", ""), "AUTO");
    EXPECT_FALSE(std::filesystem::exists(Home() / "ROUTAREA"));
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{149}));

    // A missing album: an empty list, "0件".
    script->answerDialog(kModule, CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(Listed(d).empty());
        EXPECT_EQ(d.text(kPointListControls.position), "0件");
        d.click(albumfilesids::IDC_OK);
    });
    EXPECT_EQ(Run(HomeWin() + "ALBUM\\none.alb", ""), "MANUAL");
}

TEST(RouteFileLine, LowerCasesAndOrdersTheFields)
{
    const struct {
        const char* entry;
        const char* line;
    } cases[] = {
        {"Name#Item@C:\\A.BMP$35.0$135.0$C:\\A.TXT", "name 35.0 135.0 item c:\\a.bmp c:\\a.txt"},
        {"名前#項目@c:\\B.txt$35.0$135.0", "名前 35.0 135.0 項目 c:\\b.txt"},
        {"Two#X@c:\\1.bmp$1$2$c:\\2.bmp", "two 1 2 x c:\\1.bmp c:\\2.bmp"},
        {"Bare", "bare    "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RouteFileLine(c.entry), c.line) << c.entry;
}

} // namespace
