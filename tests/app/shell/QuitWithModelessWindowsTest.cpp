// Ending the program: every way a user quits (the close box, the exit command of the menu, a
// termination signal) ends the run with the session's settings written, whichever modeless
// window of the map view is open; a profile that cannot be written is told.
#include "MainWindowFixture.h"

#include "app/shell/ProfileWriteFailures.h"
#include "app/shell/ShellCommands.h"
#include "app/shell/TerminationSignals.h"
#include "platform/sys/ProfileStore.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

QDialog* shownDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

struct ModelessWindow {
    const char* name;
    std::function<void(MainWindow&)> open;
};

struct QuitWay {
    const char* name;
    std::function<void(MainWindow&)> quit;
};

const ModelessWindow kWindows[] = {
    {"FindPlace", [](MainWindow& w) { QTest::keyClick(w.main, Qt::Key_R, Qt::ControlModifier); }},
    {"SheetSelect",
     [](MainWindow& w) {
         w.doc().environment.m_strSheetSelect = "DIALOG";
         w.view->routeCommand(322);
     }},
};

const QuitWay kWays[] = {
    // What the window manager sends for the close box and for Alt+F4.
    {"CloseBox", [](MainWindow& w) { w.main->close(); }},
    {"ExitMenu", [](MainWindow& w) { ChooseFromMenuBar(w.bar(), shell::ID_APP_EXIT); }},
    {"SIGTERM", [](MainWindow&) { std::raise(SIGTERM); }},
};

class QuitWithModelessWindow : public ::testing::TestWithParam<std::tuple<int, int>> {};

} // namespace

TEST_P(QuitWithModelessWindow, EndsTheRunWithTheSessionWritten)
{
    const ModelessWindow& window = kWindows[std::get<0>(GetParam())];
    const QuitWay& way = kWays[std::get<1>(GetParam())];

    MainWindow w;
    ASSERT_TRUE(w.start());
    // As the program installs it: a signal closes the frame the normal way.
    TerminationSignals terminationSignals([&w] {
        if (w.run.app->m_pMainWnd)
            w.run.app->m_pMainWnd->RequestClose();
    });

    window.open(w);
    ASSERT_TRUE(waitFor([] { return shownDialog() != nullptr; }, 10000)) << window.name << " did not open";
    const std::string district = std::string("quit-") + window.name + "-" + way.name;
    w.doc().position.m_strDistrict = district;

    constexpr int kHung = 99;
    QTimer::singleShot(0, [&] { way.quit(w); });
    // Only against a hung run, never a measure.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(kHung); });
    EXPECT_EQ(w.run.app->Run(), 0) << "quitting by " << way.name << " did not end the run";
    EXPECT_EQ(w.run.app->m_pMainWnd, nullptr);
    EXPECT_EQ(shownDialog(), nullptr) << "the modeless window outlived the run";
    EXPECT_EQ(vd::ProfileStore().getString("LastData", "District"), district) << "the session was not written";
}

INSTANTIATE_TEST_SUITE_P(EachWindowEachWay, QuitWithModelessWindow,
                         ::testing::Combine(::testing::Range(0, 2), ::testing::Range(0, 3)), [](const auto& info) {
                             return std::string(kWindows[std::get<0>(info.param)].name) + "_" +
                                    kWays[std::get<1>(info.param)].name;
                         });

// A profile that cannot be written (here its folder is a file) loses the session's settings:
// quitting tells the user once, by the file's name, instead of ending in silence.
TEST(QuitWithUnwritableProfile, TellsWhichFileCouldNotBeWritten)
{
    namespace fs = std::filesystem;
    const fs::path blocker = fs::path(std::getenv("VELDORAN_HOME")).parent_path() / "profile-blocker";
    std::ofstream(blocker) << "a file where the profile's folder should be";
    const fs::path profile = blocker / "Veldoran.ini";
    setenv("VELDORAN_PROFILE", profile.c_str(), 1);
    TellFailedProfileWrites();

    ShellRun run;
    ASSERT_TRUE(run.start());
    QTimer::singleShot(0, [&] { run.frame().ExecuteCommand(shell::ID_APP_EXIT); });
    EXPECT_EQ(run.app->Run(), 0);
    int told = 0;
    for (const auto& box : run.script->messageBoxes())
        told += box.text == ProfileWriteFailureMessage(profile);
    EXPECT_EQ(told, 1);
    vd::ProfileStore::setWriteFailureHandler({});
}
