// The start of the program: one document, then the frame, then the view; the frame's place; the
// shut-down that writes the document's settings.
#include "ShellTestSupport.h"

#include "app/shell/ShellCommands.h"
#include "app/document/VeldoranDoc.h"
#include "platform/sys/ProfileStore.h"
#include "view/window/VeldoranView.h"

#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

TEST(ShellStart, BuildsOneDocumentThenTheFrameThenTheView)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.viewsMade, 1);
    EXPECT_TRUE(run.documentBeforeView) << "the document comes first";
    EXPECT_EQ(run.framesBeforeView, 1) << "the frame exists when its creation builds the view";
    EXPECT_EQ(ShellRun::frameWidgets(), 1);

    CMainFrame& frame = run.frame();
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_EQ(frame.GetActiveView(), run.view);
    EXPECT_NE(dynamic_cast<CVeldoranDoc*>(frame.GetActiveDocument()), nullptr);
    EXPECT_EQ(frame.GetActiveDocument(), run.app->document());
    EXPECT_EQ(frame.GetWindowText(), "Tavrel - Veldoran");
    ASSERT_NE(frame.GetMenu(), nullptr);
    EXPECT_EQ(frame.GetMenu()->GetMenuString(0, vd::MF_BYPOSITION), "ﾌｧｲﾙ(&F)");

    // The frame shows no tool bar and no status bar: the view fills the frame under the menu bar.
    QMainWindow* main = ShellRun::frameWidget();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->findChildren<QToolBar*>().size(), 0);
    EXPECT_EQ(main->findChildren<QStatusBar*>().size(), 0);
}

TEST(ShellStart, FramePlacedByTheScreenSetting)
{
    const int titleBar = CMainFrame::TitleBarHeight();
    struct Case {
        const char* profile;  // nullptr: no System/Screen in the profile
        vd::ui::Size screen;  // the full-screen client area
        vd::ui::Rect expected;
    };
    for (const Case& c : {Case{nullptr, {1280, 1000}, {5, 0, 726, 1000}}, Case{"0", {1280, 1000}, {5, 0, 726, 1000}},
                          Case{"1", {1280, 1000}, {0, 0, 1280, 1000}},
                          // A screen narrower than the portrait window: no wider than the screen.
                          Case{"0", {640, 480}, {5, 0, 640, 480}}, Case{"1", {640, 480}, {0, 0, 640, 480}}}) {
        SCOPED_TRACE(c.profile ? c.profile : "none");
        SCOPED_TRACE(c.screen.cx);
        if (c.profile)
            vd::ProfileStore().writeString("System", "Screen", c.profile);
        ShellRun run;
        run.script->setFullScreenSize(c.screen);
        ASSERT_TRUE(run.start());
        const vd::ui::Rect placed = run.frame().GetWindowRect();
        EXPECT_EQ(placed.left, c.expected.left);
        EXPECT_EQ(placed.top, c.expected.top);
        EXPECT_EQ(placed.right, c.expected.right);
        EXPECT_EQ(placed.bottom, c.expected.bottom);
        // As tall as the full-screen client area and a title bar.
        EXPECT_EQ(placed.Height(), (c.screen.cy - titleBar) + titleBar);
        run.app->Shutdown();
    }
}

TEST(ShellStart, ExitCommandEndsTheRunAndTheDocumentWritesItsSettings)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    ASSERT_EQ(vd::ProfileStore().getString("LastData", "MapName", "<none>"), "<none>");
    QTimer::singleShot(0, [&] { run.frame().ExecuteCommand(shell::ID_APP_EXIT); });
    EXPECT_EQ(run.app->Run(), 0);
    EXPECT_EQ(run.app->m_pMainWnd, nullptr);
    EXPECT_EQ(run.app->document(), nullptr);
    EXPECT_NE(vd::ProfileStore().getString("LastData", "MapName", "<none>"), "<none>")
        << "the document's destructor wrote the last map";
}

TEST(ShellStart, TheProgramsViewIsTheMapViewOfTheDocument)
{
    vd::ui::Script::install();
    CVeldoranApp app;
    ASSERT_TRUE(app.InitInstance());
    auto* view = dynamic_cast<CVeldoranView*>(app.m_pMainWnd->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument(), app.document());
    app.Shutdown();
}
