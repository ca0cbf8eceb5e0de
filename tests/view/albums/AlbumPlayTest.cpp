// Album play as the user starts it: a double-clicked album item through the album dialog (the
// built dialog library, answered by the script), its pages drawn by the repaint and turned by the
// view's timers (a picture, a viewer slide, a text), manual play, the album start command, the
// memo button and the other kinds of registered items.
#include "MapViewFixture.h"

#include "app/document/VeldoranDoc.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/albums/AlbumFilesDialog.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/WindowImpl.h"
#include "view/albums/AlbumEntry.h"
#include "view/pages/ViewPages.h"

#include <QAbstractButton>
#include <QTest>

#include <algorithm>
#include <filesystem>

namespace {

using namespace viewtest;

constexpr const char* kAlbum = "ALBUM\\G4C1fdd.alb";

class AlbumPlay : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        for (const char* sample : {"PICT/HILLS.BMP", "PICT/HILLS.JPG", "PICT/HILLS.TXT", "TEXT/TERA.TXT"}) {
            const std::filesystem::path target = doctest::Home() / sample;
            std::filesystem::create_directories(target.parent_path());
            std::filesystem::copy_file(std::string(VD_SAMPLE_DATA_DIR) + "/" + sample, target,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        // A picture the view draws, one a viewer shows, and a text.
        WriteHomeFile("PICT/HILLS.GIF", "GIF89a");
        WriteHomeFile("ALBUM/G4C1fdd.alb", Cp932Lines({"丘の絵 35.0100 135.4500 見本 @:PICT\\HILLS.BMP",
                                                      "丘の動画 35.0100 135.4500  @:PICT\\HILLS.GIF",
                                                      "寺の話 35.0100 135.4500  @:TEXT\\TERA.TXT"}));
        doc->environment.m_strViewer = "/usr/bin/viewer";
        doc->m_strEntryTitle = "見本のｱﾙﾊﾞﾑ";
        doc->entry.m_strEntryItem = "ｱﾙﾊﾞﾑ";
    }

    std::string AlbumRecord() const
    {
        return "見本のｱﾙﾊﾞﾑ 35.0100 135.4500 ｱﾙﾊﾞﾑ " + doc->folders.m_strAppDir + kAlbum;
    }

    // The album dialog's answer: the play mode chosen.
    void AnswerAlbumDialog(int radio)
    {
        script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [radio](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(kPointListControls.position), "3件");
            d.click(radio);
            d.click(albumfilesids::IDC_OK);
        });
    }

    // The one timer running (the script's handle), or 0.
    int Running() const
    {
        const std::vector<int> timers = script->activeTimers();
        return timers.size() == 1 ? timers[0] : 0;
    }

    std::vector<std::string> TextsOf(const vd::RecordingDc& dc) const
    {
        std::vector<std::string> texts;
        for (const vd::RecordedText& t : dc.Texts())
            texts.push_back(t.text);
        return texts;
    }
};

TEST_F(AlbumPlay, TheTimersTurnAPictureAViewerSlideAndAText)
{
    AnswerAlbumDialog(albumfilesids::IDC_AUTO);
    view->OpenRegisteredItem(AlbumRecord());
    EXPECT_EQ(view->m_strPlayKind, "ALBUM");
    EXPECT_EQ(view->m_strPlayMode, "AUTO");
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 3);
    EXPECT_EQ(view->m_pPages->AlbumPage(3), "999");
    EXPECT_EQ(doc->entry.m_nPictureFit, 1);

    // Page 1: the picture in the view, then six ticks.
    Repaint();
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:pict\\hills.bmp");
    EXPECT_EQ(doc->m_strEntryTitle, "丘の絵 35.0100 135.4500 見本");
    EXPECT_NE(picture->GetPixel(200, 200), vd::RGB(255, 255, 255)) << "the picture is drawn";
    const int page = Running();
    ASSERT_NE(page, 0);
    for (int tick = 1; tick <= 5; ++tick)
        script->fireTimer(page);
    EXPECT_EQ(view->m_nAlbumTicks, 5);
    EXPECT_EQ(view->m_nPageIndex, 0);
    script->fireTimer(page);
    EXPECT_EQ(view->m_nPageIndex, 1) << "the sixth tick turns the page";
    EXPECT_EQ(Running(), 0);

    // Page 2: the viewer shows the slide; the slide timer ends it on its sixth tick.
    Repaint();
    ASSERT_EQ(script->startedPrograms().size(), 1u);
    EXPECT_EQ(script->startedPrograms()[0].front(), "/usr/bin/viewer");
    EXPECT_EQ(doc->repaint.m_strViewState, "JPG_SLIDE");
    EXPECT_EQ(view->m_nPageIndex, 2) << "the slide has advanced the index";
    Repaint();
    const int slide = Running();
    ASSERT_NE(slide, 0);
    for (int tick = 1; tick <= 6; ++tick)
        script->fireTimer(slide);
    EXPECT_EQ(doc->repaint.m_strViewState, "9999");
    const int viewer = view->m_nSlideProgram;
    Repaint();
    EXPECT_EQ(script->endedPrograms(), (std::vector<int>{viewer})) << "the slide's own viewer is ended";
    EXPECT_EQ(view->m_nSlideProgram, 0);
    const int after = Running();
    ASSERT_NE(after, 0);
    for (int tick = 1; tick <= 3; ++tick)
        script->fireTimer(after);
    EXPECT_EQ(doc->repaint.m_strViewState, "");

    // Page 3, the last: the text page; play ends with the album buttons taken away.
    Repaint();
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:text\\tera.txt");
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
    EXPECT_EQ(Running(), 0);
    EXPECT_TRUE(script->endedPrograms().size() == 1u);
}

TEST_F(AlbumPlay, ManualPlayShowsTheCounterAndStartsAViewerOncePerPage)
{
    AnswerAlbumDialog(albumfilesids::IDC_MANUAL);
    view->OpenRegisteredItem(AlbumRecord());
    EXPECT_EQ(view->m_strPlayMode, "MANUAL");
    for (int page : {1, 1}) {
        view->m_nPageIndex = page;
        vd::RecordingDc dc;
        view->DrawAlbum(dc);
        EXPECT_EQ(TextsOf(dc).back(), " 2/  3");
    }
    EXPECT_EQ(script->processes().size(), 1u) << "the repaint of the same page starts no second viewer";
    EXPECT_TRUE(script->activeTimers().empty());

    // Texts only: a picture page shows its note and nothing else.
    view->m_nAlbumPlayOption = 1;
    view->m_nPageIndex = 0;
    vd::RecordingDc dc;
    view->DrawAlbum(dc);
    EXPECT_EQ(TextsOf(dc), (std::vector<std::string>{" 1/  3->画像"}));
}

TEST_F(AlbumPlay, TheMapsPointsDrawnMeanwhileLeaveTheAlbumItsOwnPages)
{
    AnswerAlbumDialog(albumfilesids::IDC_MANUAL);
    view->OpenRegisteredItem(AlbumRecord());
    ASSERT_EQ(doc->entry.m_nAlbumPageCount, 3);
    // The user's own point on the start sheet: the map's drawing reads it into the point list
    // and empties that list afterwards.
    WriteHomeFile("SOURCE/points.dat", Cp932Lines({"私の点 35.0100 135.4500 memo"}));
    doc->registered.m_strDataFile = doc->folders.m_strSourceDir + "points.dat";
    doc->spec.m_nLinkPoint = 1;
    doc->m_strMapName = "京都及大阪";
    doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFrame = 1;
    doc->m_nMapDisplayMode = 5;
    Repaint();
    ASSERT_EQ(doc->m_astrHitRecord[0], "私の点 35.0100 135.4500 memo") << "the point was drawn";

    // Back on the album, stepped with ⊇: its three pages, and none past them.
    doc->m_nMapDisplayMode = 13;
    view->m_nPageIndex = 0;
    const std::string files[] = {"hills.bmp", "hills.gif", "tera.txt"};
    for (int page = 0; page < 3; ++page) {
        doc->entry.m_strEntryTarget.clear();
        vd::RecordingDc dc;
        view->DrawAlbum(dc);
        EXPECT_NE(doc->entry.m_strEntryTarget.find(files[page]), std::string::npos)
            << page << " " << doc->entry.m_strEntryTarget;
        EXPECT_EQ(TextsOf(dc).back(), vd::format("%2d/  3", page + 1)) << page;
        EXPECT_TRUE(frame->ExecuteCommand(328));
    }
    EXPECT_EQ(view->m_nPageIndex, 2) << "the last page stays the last";
}

TEST_F(AlbumPlay, ACancelledDialogPlaysNothingAndAMissingAlbumNothingEither)
{
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    view->OpenRegisteredItem(AlbumRecord());
    EXPECT_EQ(view->m_strPlayMode, "cancel");
    EXPECT_EQ(doc->registered.m_strAlbumPlayMode, "AUTO") << "a cancel keeps the play mode";
    EXPECT_NE(doc->m_nMapDisplayMode, 13);

    std::filesystem::remove(doctest::Home() / "ALBUM/G4C1fdd.alb");
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kPointListControls.position), "0件");
        d.click(albumfilesids::IDC_OK);
    });
    view->OpenRegisteredItem(AlbumRecord());
    EXPECT_NE(doc->m_nMapDisplayMode, 13);
}

TEST_F(AlbumPlay, AnAlbumOfMoreThan99LinesStillEndsItsShownItems)
{
    std::string lines;
    for (int i = 0; i < 120; ++i)
        lines += "頁" + std::to_string(i) + " 35.0100 135.4500  @:TEXT\\TERA.TXT\r\n";
    WriteHomeFile("ALBUM/G4C1fdd.alb", vd::utf8ToCp932(lines));
    doc->m_astrHitRecord.fill("古い項目 35.0 135.0 文 @:TEXT\\WALK.TXT");
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) { d.click(albumfilesids::IDC_OK); });
    view->OpenRegisteredItem(AlbumRecord());
    EXPECT_EQ(doc->m_astrHitRecord[99], "999");
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 99) << "no stale item became a page";
}

TEST_F(AlbumPlay, TheAlbumStartCommandPlaysTheShownItemsByThePlayOption)
{
    const std::string items[] = {"丘 35 135 絵 @:PICT\\HILLS.BMP @:PICT\\HILLS.TXT", "寺 35 135 文 @:TEXT\\TERA.TXT",
                                 "旅 35 135 ｱﾙﾊﾞﾑ " + doc->folders.m_strAppDir + kAlbum,
                                 "網 35 135 頁 http://example.org/"};
    for (std::size_t i = 0; i < 4; ++i)
        doc->m_astrHitRecord[i] = items[i];
    doc->m_astrHitRecord[4] = "999";
    const struct {
        int option;
        int pages;
    } cases[] = {{3, 3}, {2, 1}, {1, 1}};
    for (const auto& c : cases) {
        view->m_nAlbumPlayOption = c.option;
        doc->m_nMapDisplayMode = 10;
        EXPECT_TRUE(frame->ExecuteCommand(33150));
        EXPECT_EQ(doc->entry.m_nAlbumPageCount, c.pages) << c.option;
        EXPECT_EQ(view->m_pPages->AlbumPage(c.pages), "999");
        EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    }
}

TEST_F(AlbumPlay, AHoleInTheShownItemsIsNoPage)
{
    // A point the map did not draw leaves its place in the hit list empty.
    doc->m_astrHitRecord[0] = "丘 35 135 絵 @:PICT\\HILLS.BMP";
    doc->m_astrHitRecord[1].clear();
    doc->m_astrHitRecord[2] = "寺 35 135 文 @:TEXT\\TERA.TXT";
    doc->m_astrHitRecord[3] = "999";
    view->m_nAlbumPlayOption = 3;
    doc->m_nMapDisplayMode = 10;
    EXPECT_TRUE(frame->ExecuteCommand(33150));
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2);
    EXPECT_EQ(view->m_pPages->AlbumPage(1), doc->m_astrHitRecord[2]);
}

TEST_F(AlbumPlay, ItemsOpenByTheirKind)
{
    // A text becomes a text page; a web page goes to the desktop without waiting.
    view->OpenRegisteredItem("寺 35.0100 135.4500 文 @:TEXT\\TERA.TXT");
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_EQ(doc->m_strEntryParam, "@:text\\tera.txt");
    doc->entry.m_strEntryTarget = "http://example.org/";
    view->OpenRegisteredItem("網 35.0100 135.4500 頁 http://example.org/");
    EXPECT_EQ(script->desktopOpens(), (std::vector<std::string>{"http://example.org/"}));
    EXPECT_TRUE(script->processes().empty());

    // A bitmap is drawn by the view (mode 15), a JPEG too (mode 16); a GIF goes to the viewer.
    view->OpenRegisteredItem("丘 35.0100 135.4500 絵 @:PICT\\HILLS.BMP @:PICT\\HILLS.TXT");
    EXPECT_EQ(doc->m_nMapDisplayMode, 15);
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:pict\\hills.bmp");
    EXPECT_EQ(doc->m_strEntryParam, "@:pict\\hills.txt");
    view->OpenRegisteredItem("丘 35.0100 135.4500 絵 @:PICT\\HILLS.JPG");
    EXPECT_EQ(doc->m_nMapDisplayMode, 16);
    view->OpenRegisteredItem("丘 35.0100 135.4500 絵 @:PICT\\HILLS.GIF");
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0].front(), "/usr/bin/viewer");
    doc->environment.m_nJpegProcess = 0;
    view->OpenRegisteredItem("丘 35.0100 135.4500 絵 @:PICT\\HILLS.JPG");
    EXPECT_EQ(script->processes().size(), 2u) << "without in-program JPEG the viewer shows it";
}

TEST_F(AlbumPlay, ThePictureModesPutTheMemoAndMapButtons)
{
    // Both buttons at the wide view's place, the picture drawn, then the map on screen.
    doc->entry.m_strEntryTarget = "@:pict\\hills.bmp";
    doc->m_nMapDisplayMode = 15;
    Repaint();
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"15 メモ", "16 地図"}));
    EXPECT_EQ(ButtonPlace(15), "メモ 423,3,483,27");
    EXPECT_EQ(ButtonPlace(16), "地図 488,3,548,27");
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 15);
    EXPECT_NE(picture->GetPixel(200, 200), vd::RGB(255, 255, 255)) << "the picture stays on screen";

    // Button 303: the picture's memo, the text beside it, through the dialog library.
    script->answerDialog("TOVENDLG", CDlgMemo::IDD, [](vd::DialogDriver& d) {
        EXPECT_NE(d.text(memoids::IDC_MEMO_TEXT).find("丘の風景"), std::string::npos);
        EXPECT_NE(d.text(memoids::IDC_MEMO_PATH).find("pict\\hills.txt"), std::string::npos);
        d.click(vd::IDOK);
    });
    EXPECT_TRUE(frame->ExecuteCommand(303));
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{133}));
}

// The memo button of a picture page opens the text beside the picture whatever the case of the
// picture's extension (an entry keeps the name as written: "HILLS.BMP").
TEST_F(AlbumPlay, TheMemoButtonFindsThePicturesTextForAnyCaseOfItsExtension)
{
    for (const auto& [target, mode] : {std::pair{"@:pict\\hills.bmp", 15}, {"@:PICT\\HILLS.BMP", 15},
                                       {"@:Pict\\Hills.Jpg", 16}}) {
        SCOPED_TRACE(target);
        doc->entry.m_strEntryTarget = target;
        doc->m_strEntryParam.clear();
        doc->m_nMapDisplayMode = mode;
        Repaint();
        bool shown = false;
        script->answerDialog("TOVENDLG", CDlgMemo::IDD, [&](vd::DialogDriver& d) {
            shown = true;
            EXPECT_NE(d.text(memoids::IDC_MEMO_TEXT).find("丘の風景"), std::string::npos);
            d.click(vd::IDOK);
        });
        const vd::Button* memo = view->m_pNavigation->ViewButton(15);
        ASSERT_TRUE(memo && memo->IsWindow());
        auto* button = qobject_cast<QAbstractButton*>(memo->impl()->widget.data());
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(shown);
    }
}

TEST(AlbumEntry, CutsTitleFilesAndCaption)
{
    EXPECT_EQ(albums::EntryTitle("丘 35 135 絵 C:\\P\\A.JPG C:\\P\\A.TXT"), "丘 35 135 絵");
    const albums::EntryFiles files = albums::SplitEntryFiles("丘 35 135 絵 C:\\P\\A.JPG C:\\P\\A.TXT");
    EXPECT_EQ(files.target, "c:\\p\\a.jpg");
    EXPECT_EQ(files.caption, "c:\\p\\a.txt");
    EXPECT_EQ(albums::SplitEntryFiles("NO COLON HERE").target, "no") << "an entry without \":\" is all files";
    EXPECT_EQ(albums::EntryFilePart("NO COLON"), "no colon");
    EXPECT_EQ(albums::EntryTitle("NO COLON"), "");
}

} // namespace

namespace {

using namespace viewtest;

class RoutePlay : public AlbumPlay {};

TEST_F(RoutePlay, ARouteLinePlaysItsPointsOrStaysForAnotherLine)
{
    doc->routes.m_astrRoutePoint[0] = "寺 34.5940 135.4708 文 @:TEXT\\TERA.TXT";
    doc->routes.m_astrRoutePoint[1] = "丘 34.5906 135.4534 絵 @:PICT\\HILLS.BMP";
    doc->routes.m_astrRoutePoint[2] = "999";
    view->m_nRoutePointCount = 2;
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "      ﾙｰﾄﾏｯﾌﾟに登録されたﾌｧｲﾙ");
        EXPECT_EQ(d.text(kPointListControls.position), "2件");
        d.click(albumfilesids::IDC_OK);
    });
    view->StartAlbumPlayback("ルートマップ", "", "RouteMap", "34.5940", "135.4708");
    EXPECT_EQ(doc->m_astrHitRecord[1], doc->routes.m_astrRoutePoint[1]);
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->registered.m_strAlbumPlayMode, "AUTO");

    // Cancelled: nothing plays, the route tool stays on for another line.
    doc->m_nMapDisplayMode = 10;
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    view->StartAlbumPlayback("ルートマップ", "", "RouteMap", "34.5940", "135.4708");
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(view->m_nRoutePointCount, 0);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 5);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 9);
}

} // namespace

namespace {

using namespace viewtest;

// The bundled sample points of the common area and their album, as a new application folder has them.
class SamplePoints : public AlbumPlay {
protected:
    void SetUp() override
    {
        AlbumPlay::SetUp();
        namespace fs = std::filesystem;
        for (const char* folder : {"SOURCE", "ALBUM"})
            fs::copy(std::string(VD_SAMPLE_DATA_DIR) + "/" + folder, doctest::Home() / folder,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy_file(std::string(VD_SAMPLE_DATA_DIR) + "/PICT/HILLS_JPG.TXT", doctest::Home() / "PICT/HILLS_JPG.TXT",
                      fs::copy_options::overwrite_existing);
        // The points as the map draws them: the hit list in file order.
        doc->LoadRecordList(doc->folders.m_strSourceDir + "history.dat", "first");
        std::size_t i = 0;
        for (; doc->m_astrPointRecord[i] != "999"; ++i)
            doc->m_astrHitRecord[i] = doc->m_astrPointRecord[i];
        doc->m_astrHitRecord[i] = "999";
    }
};

TEST_F(SamplePoints, TheSlideShowDrawsThePictureThenTheTextAfterSixTicks)
{
    doc->m_nMapDisplayMode = 10;
    EXPECT_TRUE(frame->ExecuteCommand(33150));
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2) << "the album itself is not a page";
    Repaint();
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:pict\\hills.bmp");
    EXPECT_NE(picture->GetPixel(200, 200), vd::RGB(255, 255, 255));
    const int page = Running();
    ASSERT_NE(page, 0);
    for (int tick = 1; tick <= 6; ++tick)
        script->fireTimer(page);
    EXPECT_EQ(view->m_nPageIndex, 1);
    Repaint();
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:text\\tera.txt");
    EXPECT_EQ(doc->m_nMapDisplayMode, 0) << "the last page";
}

TEST_F(SamplePoints, ThePictureShowsItsMemoAndTheAlbumPlaysItsPages)
{
    view->OpenRegisteredItem(doc->m_astrHitRecord[0]);
    EXPECT_EQ(doc->m_nMapDisplayMode, 15);
    Repaint();
    script->answerDialog("TOVENDLG", CDlgMemo::IDD, [](vd::DialogDriver& d) {
        EXPECT_NE(d.text(memoids::IDC_MEMO_TEXT).find("丘の風景"), std::string::npos);
        d.click(vd::IDOK);
    });
    EXPECT_TRUE(frame->ExecuteCommand(303));
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{133}));

    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kPointListControls.position), "3件");
        d.click(albumfilesids::IDC_OK);
    });
    view->OpenRegisteredItem(doc->m_astrHitRecord[2]);
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 3);
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
}

} // namespace

namespace {

using namespace viewtest;

// The logging Surrick in place before the view is built.
class AlbumPlayWithSurrick : public AlbumPlay {
protected:
    void BeforeDocument() override { ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_FAKE_SURRICK)); }
};

TEST_F(AlbumPlayWithSurrick, BitmapsGoToThePointOverviewWhenPicturesAreShownInADialog)
{
    doc->environment.m_nPicturePosition = 2;
    doc->m_strEntryTitle = "丘";
    doc->entry.m_strEntryItem = "絵";
    view->OpenRegisteredItem("丘 35.0100 135.4500 絵 @:PICT\\HILLS.BMP");
    using LogFn = const std::string*();
    auto* log = vd::entryPoint<LogFn>("SURRICK.DLL", "FakeSurrickLog");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(*log(), "OnDlgBmpShow(" + doc->folders.m_strAppDir + "pict\\hills.bmp,丘,絵,0);");
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->entry.m_strEntryTarget, "");
}

} // namespace

namespace {

using namespace viewtest;

TEST_F(AlbumPlay, WebPagesOpenInTheBrowserAndWithoutOneOnTheDesktop)
{
    WriteHomeFile("TEXT/PAGE.HTM", "<html></html>");
    view->m_strBrowser = "/usr/bin/browser";
    doc->entry.m_strEntryTarget = "HTTP://Example.org/Page";
    view->OpenWebItem();
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"/usr/bin/browser", "http://example.org/page"}));

    // A browser that cannot start hands the page to the desktop; a missing file opens nothing.
    script->answerProcess(vd::ui::ProcessResult{});
    doc->entry.m_strEntryTarget = "@:TEXT\\PAGE.HTM";
    view->OpenWebItem();
    ASSERT_EQ(script->desktopOpens().size(), 1u);
    doc->entry.m_strEntryTarget = "@:TEXT\\NONE.HTM";
    view->OpenWebItem();
    EXPECT_EQ(script->processes().size(), 2u);
    EXPECT_EQ(script->desktopOpens().size(), 1u);
}

} // namespace

namespace {

using namespace viewtest;

// In a narrow window the album's ⊆Θ⊇ stand where a text page writes its file name and category:
// the heading moves right of them, so both show.
TEST_F(AlbumPlay, AnAlbumTextPageWritesItsFileNameBesideThePageButtons)
{
    constexpr int w = 721, h = 760;
    view->MoveWindow(0, 0, w, h, false);
    view->m_nSavedWidth = w;
    view->m_nSavedHeight = h;
    WriteHomeFile("ALBUM/TEXTS.alb", Cp932Lines({"寺の話 35.0100 135.4500  @:TEXT\\TERA.TXT",
                                                 "寺の話 35.0100 135.4500  @:TEXT\\TERA.TXT",
                                                 "寺の話 35.0100 135.4500  @:TEXT\\TERA.TXT"}));
    AnswerAlbumDialog(136);
    view->OpenRegisteredItem("文集 35.0100 135.4500 ｱﾙﾊﾞﾑ " + doc->folders.m_strAppDir + "ALBUM\\TEXTS.alb");
    picture = std::make_unique<vd::ImageDc>(w, h);
    Repaint();
    ASSERT_EQ(doc->entry.m_strEntryTarget, "@:text\\tera.txt");
    const std::vector<vd::ui::Rect> buttons = view->m_pNavigation->ShownButtonsOnRows(0, 30);
    ASSERT_EQ(buttons.size(), 3u) << "⊆Θ⊇";
    int ink = 0, inkUnderButtons = 0;
    for (int y = 5; y < 22; ++y)
        for (int x = 230; x < w; ++x) {
            const vd::COLORREF c = picture->GetPixel(x, y);
            if (vd::GetRValue(c) > 100 || vd::GetGValue(c) > 100 || vd::GetBValue(c) > 100)
                continue;
            ++ink;
            for (const vd::ui::Rect& b : buttons)
                inkUnderButtons += x >= b.left && x < b.right && y >= b.top && y < b.bottom;
        }
    EXPECT_GT(ink, 100) << "the file name and category";
    EXPECT_EQ(inkUnderButtons, 0);
}

} // namespace
