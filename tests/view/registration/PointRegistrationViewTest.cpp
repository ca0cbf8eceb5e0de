// Registering and updating points with the mouse, as a user does it: the command chooses the
// mode, mouse events on the view's widget click or drag, the dialogs are answered by script, and
// the data file, the drawn items and the window's pixels show the result.
#include "PointerTestSupport.h"

#include "app/document/VeldoranDoc.h"
#include "dialogs/files/TimeStampedFileName.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/DialogDriver.h"
#include "tests/userdata/UserDataTestSupport.h"
#include "view/navigation/CursorReadout.h"
#include "view/registration/PointRegistration.h"

#include <ctime>
#include <filesystem>

using namespace viewtest;

namespace {

constexpr int ID_REGISTER_DATA = 32889;
constexpr int ID_UPDATE_DATA = 32893;
constexpr int ID_REGISTER_ALBUM = 33154;

class PointRegistrationView : public PointerView {
protected:
    void BeforeDocument() override
    {
        vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_FAKE_ALBUM_DIALOGS_VIEW);
        vd::LibraryLoader::setOverride("SURRICK.DLL", VD_FAKE_ALBUM_DIALOGS_VIEW);
    }

    void SetUp() override
    {
        PointerView::SetUp();
        std::filesystem::create_directories(doctest::Home() / "SOURCE");
        data = userdatatest::WriteFixture("SOURCE/history.dat",
                                          userdatatest::Cp932Lines({"寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt"}));
        data.winPath = vd::applicationFolder() + "SOURCE\\history.dat";
        doc->registered.m_strDataFile = data.winPath;
        Points({});
        PaintMap();
    }

    void Click(int x, int y)
    {
        SendMouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
    }

    static void Answer(const char* entry, const std::string& answer)
    {
        using Fn = void(const char*, const char*);
        vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeAlbumSetAnswer")(entry, answer.c_str());
    }

    std::string DataBytes() const { return doctest::ReadBytes(data.file); }
    std::string WithLines(std::vector<std::string> lines) const
    {
        lines.insert(lines.begin(), "寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt");
        return userdatatest::Cp932Lines(lines);
    }

    userdatatest::Fixture data;
};

TEST_F(PointRegistrationView, AClickRegistersATextPointAndDrawsIt)
{
    ASSERT_TRUE(frame->routeCommand(ID_REGISTER_DATA));
    ASSERT_EQ(doc->pointer.m_nMouseTool, 1);
    script->answerDialog(137, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(107), "35.4000");
        EXPECT_EQ(d.text(108), "140.3000");
        d.setText(106, "茶 屋");
        d.setText(104, "食事");
        d.setText(105, "c:\\memo\\chaya.txt");
        d.click(vd::IDOK);
    });
    Click(410, 270);
    EXPECT_EQ(DataBytes(), WithLines({"茶\u3000屋 35.4000 140.3000 食事 c:\\memo\\chaya.txt"}));
    EXPECT_EQ(doc->m_astrHitRecord[0], "茶\u3000屋 35.4000 140.3000 食事 c:\\memo\\chaya.txt");
    EXPECT_EQ(doc->m_anHitX[0], 410);
    EXPECT_EQ(doc->m_anHitY[0], 270);
    EXPECT_EQ(doc->m_astrHitRecord[1], "999");
    EXPECT_EQ(WindowPixel(410, 270), vd::RGB(255, 0, 0)) << "the text point's red symbol";
    EXPECT_EQ(doc->pointer.m_nMouseTool, 1) << "the mode stays on for the next point";
    EXPECT_EQ(doc->m_nMapDisplayMode, 0) << "the next repaint keeps the window with the new point";

    // A picture goes before the text and draws in green.
    script->answerDialog(137, [](vd::DialogDriver& d) {
        d.setText(106, "滝");
        d.setText(105, "c:\\memo\\taki.txt");
        d.setText(101, "c:\\pic\\taki.jpg");
        d.click(vd::IDOK);
    });
    Click(300, 200);
    const CursorTexts at = SheetCursorTexts(300, 200, doc->m_nFrameNorthSec, doc->m_nFrameSouthSec,
                                            doc->m_nFrameEastSec, doc->m_nFrameWestSec, 480, 480);
    EXPECT_EQ(DataBytes(), WithLines({"茶\u3000屋 35.4000 140.3000 食事 c:\\memo\\chaya.txt",
                                      "滝 " + at.latitude + " " + at.longitude + " ***** c:\\pic\\taki.jpg c:\\memo\\taki.txt"}));
    EXPECT_EQ(WindowPixel(300, 200), vd::RGB(0, 230, 0));
}

TEST_F(PointRegistrationView, NothingIsAppendedWithoutAPointWorthALine)
{
    const std::string before = DataBytes();
    ASSERT_TRUE(frame->routeCommand(ID_REGISTER_DATA));
    // A click off the map shows "****" and appends nothing, whatever is typed.
    script->answerDialog(137, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(107), "****");
        EXPECT_EQ(d.text(108), "****");
        d.setText(106, "海");
        d.click(vd::IDOK);
    });
    Click(600, 300);
    script->answerDialog(137, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    Click(410, 270);
    // The untouched dialog ended with "登録を終了": IDOK, and the mode ends.
    script->answerDialog(137, [](vd::DialogDriver& d) { d.click(103); });
    Click(410, 270);
    EXPECT_EQ(DataBytes(), before);
    EXPECT_EQ(doc->m_astrHitRecord[0], "999");
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(WindowPixel(410, 270), vd::RGB(230, 230, 230)) << "no symbol drawn";
}

TEST_F(PointRegistrationView, AnUnwritableDataFileIsReportedAndNothingDrawn)
{
    doc->registered.m_strDataFile = vd::applicationFolder() + "SOURCE\\Source7.dat";
    ASSERT_TRUE(frame->routeCommand(ID_REGISTER_DATA));
    script->answerDialog(137, [](vd::DialogDriver& d) {
        d.setText(106, "駅");
        d.click(vd::IDOK);
    });
    Click(410, 270);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "データファイルに登録できません: " + doc->registered.m_strDataFile);
    EXPECT_FALSE(std::filesystem::exists(doctest::Home() / "SOURCE" / "Source7.dat")) << "never created";
    EXPECT_EQ(doc->m_astrHitRecord[0], "999");
    EXPECT_EQ(WindowPixel(410, 270), vd::RGB(230, 230, 230));
}

TEST_F(PointRegistrationView, AClickOnAPointOpensItsUpdateAndADragMovesIt)
{
    Points({{"寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt", 110, 350}});
    ASSERT_TRUE(frame->routeCommand(ID_UPDATE_DATA));
    ASSERT_EQ(doc->pointer.m_nMouseMode, 7);
    script->answerDialog(132, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(105), "寺") << "the hovered point is preselected";
        d.setText(104, "名刹");
        d.click(vd::IDOK);
    });
    PointerAt(110, 350);
    Click(110, 350);
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines({"寺 35.0000 139.0000 名刹 c:\\memo\\tera.txt"}));

    // The drag: the symbol follows the pointer, the release opens the update at the new place.
    const CursorTexts dropped = SheetCursorTexts(130, 330, doc->m_nFrameNorthSec, doc->m_nFrameSouthSec,
                                                 doc->m_nFrameEastSec, doc->m_nFrameWestSec, 480, 480);
    script->answerDialog(132, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(129), dropped.latitude);
        EXPECT_EQ(d.text(130), dropped.longitude);
        d.click(vd::IDOK);
    });
    PointerAt(110, 350);
    SendMouse(QEvent::MouseButtonPress, 110, 350, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, 120, 340, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, 130, 330, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(view->m_strMouseButtonState, "MK_LBUTTON");
    EXPECT_EQ(WindowPixel(130, 330), vd::RGB(255, 0, 0)) << "the moved symbol";
    SendMouse(QEvent::MouseButtonRelease, 130, 330, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines({"寺 " + dropped.latitude + " " + dropped.longitude +
                                                     " 名刹 c:\\memo\\tera.txt"}));
    EXPECT_EQ(doc->m_anHitX[0], 130);
    EXPECT_EQ(doc->m_anHitY[0], 330);
    EXPECT_TRUE(view->m_strMouseButtonState.empty());
}

TEST_F(PointRegistrationView, AnAlbumIsRegisteredUnderAFreeName)
{
    std::filesystem::create_directories(doctest::Home() / "ALBUM");
    doc->folders.m_strAlbumDir = vd::applicationFolder() + "ALBUM\\";
    const std::time_t now = 1102518420; // 2004-12-08 15:07 UTC
    script->setNow(now);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string stamped = TimeStampedFileName(1, local);
    doctest::WriteBytes(doctest::Home() / "ALBUM" / stamped, "older album\r\n");

    ASSERT_TRUE(frame->routeCommand(ID_REGISTER_ALBUM));
    ASSERT_EQ(doc->pointer.m_nMouseTool, 4);
    Answer("OnDLLAlbumRegist", "4|140.3000|35.4000|湖|");
    Click(410, 270);
    EXPECT_EQ(doctest::ReadBytes(doctest::Home() / "ALBUM" / stamped), "older album\r\n");
    const std::string lines = DataBytes();
    const std::string prefix = vd::utf8ToCp932("湖 35.4000 140.3000 ***** " + doc->folders.m_strAlbumDir);
    const std::size_t at = lines.find(prefix);
    ASSERT_NE(at, std::string::npos) << lines;
    const std::string appended = lines.substr(at + prefix.size());
    const std::string name = appended.substr(0, appended.find(' '));
    EXPECT_NE(name, stamped) << "the stamped name is taken: the next free one";
    EXPECT_EQ(name.substr(name.size() - 4), ".alb");
    EXPECT_EQ(appended, name + " " + vd::utf8ToCp932(doc->folders.m_strAlbumDir) + name + "\r\n")
        << "the album path twice";
    EXPECT_EQ(WindowPixel(410, 270), vd::RGB(0, 0, 255)) << "an album's blue symbol";

    // "STOP" and a cancelled dialog register nothing.
    const std::string before = DataBytes();
    Answer("OnDLLAlbumRegist", "4||||");
    Click(200, 200);
    Answer("OnDLLAlbumRegist", "0|||x|");
    Click(200, 200);
    EXPECT_EQ(DataBytes(), before);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
}

} // namespace

namespace {

TEST_F(PointRegistrationView, AGuideMapPointOpensTheTextPictureUpdate)
{
    doc->position.m_nMapType = 4;
    std::filesystem::create_directories(doctest::Home() / "GUIDEMAP");
    const userdatatest::Fixture guide =
        userdatatest::WriteFixture("GUIDEMAP/park.dat", userdatatest::Cp932Lines({"門 880 340 正門 z:\\p\\gate.bmp"}));
    doc->menus.m_astrGuideMapCurrent[2] = vd::applicationFolder() + "GUIDEMAP\\park.dat";
    nav->m_nPictureLeft = 0;
    nav->m_nPictureTop = 0;
    nav->m_nPictureWidth = 800;
    nav->m_nPictureHeight = 600;
    nav->m_fPictureScale = 1;
    Points({{"門 880 340 正門 z:\\p\\gate.bmp", 340, 120}});
    ASSERT_TRUE(frame->routeCommand(ID_UPDATE_DATA));
    script->answerDialog(145, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1061), "340");
        EXPECT_EQ(d.text(1060), "880");
        EXPECT_EQ(d.text(1055), "z:\\p\\gate.bmp");
        d.setText(1054, "z:\\t\\gate.txt");
        d.click(vd::IDOK);
    });
    PointerAt(340, 120);
    Click(340, 120);
    EXPECT_EQ(doctest::ReadBytes(guide.file), userdatatest::Cp932Lines({"門 880 340 正門 z:\\p\\gate.bmp z:\\t\\gate.txt"}));
    EXPECT_EQ(doc->pointer.m_nMouseTool, 2);
}

} // namespace

namespace {

TEST_F(PointRegistrationView, LabelsFollowTheLabelMode)
{
    PointRegistration registration(*view);
    doc->spec.m_nSymbolSize = 2;
    doc->m_nSheetLabelGap = 4;
    doc->m_nSheetLabelHeight = 12;
    struct Case {
        int mode;
        std::string name, item;
        int elevation;
        std::vector<std::string> texts;
    } cases[] = {
        {1, "茶屋", "食事", -999, {"茶屋"}},
        {1, "****", "食事", -999, {}},
        {2, "山", "", 1200, {"1200m"}},
        {2, "山", "展望", 1200, {"展望"}},
        {3, "山", "", 1200, {"山", "(1200m)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        doc->spec.m_nPointLabel = c.mode;
        vd::RecordingDc dc;
        registration.DrawRegisteredSymbolLabel(dc, kRegisteredText, c.name, c.item, 100, 50, c.elevation);
        std::vector<std::string> texts;
        for (const vd::RecordedText& text : dc.Texts()) {
            texts.push_back(text.text);
            EXPECT_EQ(text.at.x, 106) << "right of the symbol";
            EXPECT_EQ(text.font.GetLogFont().lfHeight, 12);
        }
        EXPECT_EQ(texts, c.texts);
    }
}

} // namespace

namespace {

TEST_F(PointRegistrationView, AClickOnAnAlbumInUpdateModeRunsTheAlbumUpdate)
{
    std::filesystem::create_directories(doctest::Home() / "ALBUM");
    doctest::WriteBytes(doctest::Home() / "ALBUM" / "G1.alb", "page\r\n");
    const std::string album = vd::applicationFolder() + "ALBUM\\G1.alb";
    const std::string line = "湖 35.0000 139.0000 旅 " + album + " " + album;
    doctest::WriteBytes(data.file, userdatatest::Cp932Lines({"寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt", line}));
    Points({{"寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt", 200, 200}, {line, 110, 350}});
    ASSERT_TRUE(frame->routeCommand(ID_UPDATE_DATA));
    Answer("OnAlbumUpdate", "2|3|");
    PointerAt(110, 350);
    Click(110, 350);
    EXPECT_EQ(DataBytes(), userdatatest::Cp932Lines({"寺 35.0000 139.0000 寺社 c:\\memo\\tera.txt"}));
    EXPECT_FALSE(std::filesystem::exists(doctest::Home() / "ALBUM" / "G1.alb"));
    EXPECT_EQ(doc->m_astrHitRecord[1], "999") << "the album leaves the drawn items";
    EXPECT_TRUE(script->unanswered().empty()) << "no point dialog for an album";
}

} // namespace
