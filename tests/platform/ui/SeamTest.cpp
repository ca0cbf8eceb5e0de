// The vd::ui seam: the scripted implementation answers and records, the helpers built on it
// (the editor wait, the desktop handler, timers of a window) behave as the program expects, and
// the Qt implementation reports the offscreen screen and runs programs.
#include "platform/fs/DriveMap.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace vd;

TEST(UiSeam, MessageBoxRecordsTheRequestAndReturnsTheQueuedAnswer)
{
    auto script = ui::Script::install();
    script->answerMessageBox(IDCANCEL);
    EXPECT_EQ(ui::AfxMessageBox("現在選択中の配色を更新します！", MB_OKCANCEL | MB_ICONEXCLAMATION), IDCANCEL);
    EXPECT_EQ(ui::MessageBox("本文", "見出し", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(ui::MessageBox("本文", "見出し", MB_YESNOCANCEL), IDYES);
    ASSERT_EQ(script->messageBoxes().size(), 3u);
    EXPECT_EQ(script->messageBoxes()[0].text, "現在選択中の配色を更新します！");
    EXPECT_EQ(script->messageBoxes()[0].caption, "Veldoran");
    EXPECT_EQ(script->messageBoxes()[0].style, MB_OKCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(script->messageBoxes()[1].caption, "見出し");
}

// A script kept for a whole fuzzing run forgets each input's records but not its answers.
TEST(UiSeam, ForgettingRecordsKeepsTheQueuedAnswers)
{
    auto script = ui::Script::install();
    script->answerMessageBox(IDYES);
    script->answerMessageBox(IDCANCEL);
    EXPECT_EQ(ui::AfxMessageBox("一つ目", MB_YESNO), IDYES);
    script->forgetRecords();
    EXPECT_TRUE(script->messageBoxes().empty());
    EXPECT_EQ(ui::AfxMessageBox("二つ目", MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "二つ目");
}

TEST(UiSeam, EditorThatReturnsAtOnceIsFollowedByTheEditDoneMessage)
{
    auto script = ui::Script::install();
    script->answerProcess({true, 0, 200});   // handed the file to a running instance
    script->answerProcess({true, 0, 60000}); // waited for the edit
    script->answerProcess({false, -1, 0});   // not installed
    EXPECT_TRUE(ui::editAndWait({"gedit", "--wait", "/tmp/a b.txt"}));
    EXPECT_TRUE(ui::editAndWait({"gedit", "--wait", "/tmp/a b.txt"}));
    EXPECT_FALSE(ui::editAndWait({"noeditor", "/tmp/a.txt"}));
    ASSERT_EQ(script->processes().size(), 3u);
    EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"gedit", "--wait", "/tmp/a b.txt"}));
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_EQ(script->messageBoxes()[0].text, "編集が終わったら OK を押してください");
    EXPECT_EQ(script->messageBoxes()[0].style, MB_OK | MB_ICONINFORMATION);
    EXPECT_NE(script->messageBoxes()[1].text.find("noeditor"), std::string::npos);
    // With no editor at all the message says that none is set, without running anything.
    EXPECT_FALSE(ui::editAndWait({"", "/tmp/a.txt"}));
    EXPECT_EQ(script->processes().size(), 3u);
    ASSERT_EQ(script->messageBoxes().size(), 3u);
    EXPECT_EQ(script->messageBoxes()[2].text, "起動するプログラムが設定されていません");
}

TEST(UiSeam, DesktopHandlerGetsLinuxPathsAndUrlsAsGiven)
{
    auto script = ui::Script::install();
    EXPECT_TRUE(ui::openWithDesktop("Z:\\home\\user\\MAPELMNT\\都道府県.DAT"));
    EXPECT_TRUE(ui::openWithDesktop("http://www.example.jp/a?b=c"));
    EXPECT_FALSE(ui::openWithDesktop(""));
    EXPECT_EQ(script->desktopOpens(), (std::vector<std::string>{"/home/user/MAPELMNT/都道府県.DAT", "http://www.example.jp/a?b=c"}));
}

TEST(UiSeam, PathFormGoesThroughTheDriveMap)
{
    EXPECT_EQ(ui::toWindowsForm("/nonexistent/a b/c.txt"), "Z:\\nonexistent\\a b\\c.txt");
    EXPECT_EQ(ui::toLinuxForm("z:\\nonexistent\\user\\c.txt"), "/nonexistent/user/c.txt");
    const std::string home = std::getenv("VELDORAN_HOME");
    std::filesystem::create_directories(home + "/MAPELMNT");
    std::ofstream(home + "/MAPELMNT/PfctrFl.dat") << "x";
    DriveMap drives;
    drives.set('D', home);
    setDriveMap(drives);
    EXPECT_EQ(ui::toWindowsForm(home + "/MAPELMNT/a.txt"), "D:\\MAPELMNT\\a.txt");
    EXPECT_EQ(ui::toLinuxForm("d:\\mapelmnt\\PFCTRFL.DAT"), home + "/MAPELMNT/PfctrFl.dat");
}

TEST(UiSeam, ClockAndTickCountFollowTheScript)
{
    auto script = ui::Script::install();
    EXPECT_EQ(ui::time(), 946684800);
    script->advance(2500);
    EXPECT_EQ(ui::time(), 946684802);
    EXPECT_EQ(ui::GetTickCount(), 2500u);
}

namespace {

// A window with timers: a modeless dialog records its OnTimer calls.
class TimerDialog : public Dialog {
public:
    TimerDialog() : Dialog(9001) {}
    void OnTimer(int id) override { ticks.push_back(id); }
    std::vector<int> ticks;
};

ui::DialogTemplate timerTemplate()
{
    ui::DialogTemplate t;
    t.id = 9001;
    t.caption = "timers";
    t.controls = {ui::defPushButton(IDOK, "OK")};
    return t;
}

} // namespace

TEST(UiSeam, WindowTimersAreFiredByTheScript)
{
    auto script = ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {timerTemplate()});
    TimerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.SetTimer(1, 1000);
    dialog.SetTimer(3, 500);
    ASSERT_EQ(script->activeTimers().size(), 2u);
    script->fireTimers();
    EXPECT_EQ(dialog.ticks, (std::vector<int>{1, 3}));
    dialog.KillTimer(1);
    script->fireTimers();
    EXPECT_EQ(dialog.ticks, (std::vector<int>{1, 3, 3}));
    dialog.DestroyWindow();
    EXPECT_TRUE(script->activeTimers().empty());
}

TEST(UiSeam, WindowPointsConvertBetweenClientAndScreen)
{
    ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {timerTemplate()});
    TimerDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    dialog.SetWindowPos(100, 50);
    const Point screen = dialog.ClientToScreen({10, 20});
    EXPECT_EQ(dialog.ScreenToClient(screen), (Point{10, 20}));
    const Rect frame = dialog.GetWindowRect();
    EXPECT_GE(screen.x, frame.left + 10);
    EXPECT_GE(screen.y, frame.top + 20);
    WaitCursor busy;  // nothing to see headless; it must not disturb anything
}

TEST(UiSeam, ScreenMetrics)
{
    auto script = ui::Script::install();
    EXPECT_EQ(ui::fullScreenSize(), (Size{800, 800}));
    script->setFullScreenSize({1280, 984});
    EXPECT_EQ(ui::fullScreenSize(), (Size{1280, 984}));
    // The Qt implementation on the offscreen platform.
    ui::installBackend(nullptr);
    EXPECT_EQ(ui::fullScreenSize(), (Size{800, 800}));
}

TEST(UiSeam, QtImplementationRunsAProgramAndWaits)
{
    ui::installBackend(nullptr);
    const ui::ProcessResult ran = ui::runAndWait({"/bin/sh", "-c", "sleep 0.2; exit 3"});
    EXPECT_TRUE(ran.started);
    EXPECT_EQ(ran.exitCode, 3);
    EXPECT_GE(ran.elapsedMs, 150);
    EXPECT_FALSE(ui::runAndWait({"/nonexistent/editor", "x"}).started);
}

TEST(UiSeam, ProgramStartedWithoutWaitingIsEndedLater)
{
    auto script = ui::Script::install();
    const int viewer = ui::startProgram({"eog", "/tmp/a.jpg"});
    EXPECT_GT(viewer, 0);
    EXPECT_TRUE(ui::isProgramRunning(viewer));
    EXPECT_TRUE(ui::endProgram(viewer));
    EXPECT_FALSE(ui::isProgramRunning(viewer));
    EXPECT_FALSE(ui::endProgram(viewer)) << "already ended";
    EXPECT_EQ(script->startedPrograms().front(), (std::vector<std::string>{"eog", "/tmp/a.jpg"}));

    ui::installBackend(nullptr);
    const int sleeper = ui::startProgram({"/bin/sleep", "30"});
    ASSERT_GT(sleeper, 0);
    EXPECT_TRUE(ui::isProgramRunning(sleeper));
    EXPECT_TRUE(ui::endProgram(sleeper));
    EXPECT_FALSE(ui::isProgramRunning(sleeper));
    EXPECT_EQ(ui::startProgram({"/nonexistent/viewer"}), 0);
}

TEST(UiSeam, ColourAndFontDialogsAnswerInOrder)
{
    auto script = ui::Script::install();
    script->answerColour(0x0000FF00u);
    script->answerColour(std::nullopt);
    std::uint32_t colour = 0x00FF0000u;
    EXPECT_TRUE(ui::chooseColour(colour));
    EXPECT_EQ(colour, 0x0000FF00u);
    EXPECT_FALSE(ui::chooseColour(colour));
    EXPECT_EQ(colour, 0x0000FF00u);
    EXPECT_EQ(script->coloursAsked(), (std::vector<std::uint32_t>{0x00FF0000u, 0x0000FF00u}));

    LogFont font;
    font.lfHeight = -30;
    font.lfFaceName = "ＭＳ 明朝";
    script->answerFont(font);
    LogFont asked;
    EXPECT_TRUE(ui::chooseFont(asked));
    EXPECT_EQ(asked.lfHeight, -30);
    EXPECT_EQ(asked.lfFaceName, "ＭＳ 明朝");
    EXPECT_FALSE(ui::chooseFont(asked)) << "no answer: cancelled";
}

TEST(UiSeam, ProgressWindowShowsItsTextAtOnceAndGoesWithTheEmptyText)
{
    ui::installBackend(nullptr);
    const auto shownLabels = [] {
        std::vector<std::string> texts;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* label = qobject_cast<QLabel*>(w); label && label->isVisible())
                texts.push_back(label->text().toStdString());
        return texts;
    };
    ui::showProgress("台帳データファイルを作成(1)");
    ui::showProgress("台帳データファイルを作成(2)");
    EXPECT_EQ(shownLabels(), (std::vector<std::string>{"台帳データファイルを作成(2)"}));
    ui::showProgress("");
    EXPECT_TRUE(shownLabels().empty());
}
