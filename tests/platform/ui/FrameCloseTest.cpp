// Closing the main window while a handler of its view is inside a menu, a dialog or a wait for a
// program: the windows the handler uses outlive it, its popup or dialog is cancelled, and the
// close follows once it has returned. The view's back buffer is never larger than the screen.
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/ui/Application.h"
#include "platform/ui/Document.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/View.h"
#include "platform/ui/WindowImpl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace vd;

namespace {

bool waitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 20000)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// A view whose right button runs something that waits for the user (a popup menu, a message
// box), as the map view's right-click menu does.
class WaitingView : public View {
public:
    std::function<void(WaitingView&)> onRightButton;
    bool aliveAfterWait = false;
    int handlerEnds = 0;

    void OnRButtonDown(unsigned, ui::Point) override
    {
        onRightButton(*this);
        // Still a window with its client when the wait is over.
        aliveAfterWait = IsWindow() && GetClientRect().right > 0;
        ++handlerEnds;
    }

    void OnDraw(Dc& dc) override
    {
        dc.FillSolidRect(Rect{0, 0, 4000, 4000}, RGB(0, 0, 255));
        if (onDraw)
            std::exchange(onDraw, {})(*this);
    }
    // Runs once inside the next repaint.
    std::function<void(WaitingView&)> onDraw;
};

struct Program {
    Program()
    {
        ui::registerString(ui::kProgramModule, 301, "Veldoran");
        ui::registerMenus(ui::kProgramModule, {{302, {ui::subMenu("Map", {ui::menuItem(40001, "Redraw")})}}});
        app.AddDocTemplate({301, [] { return std::make_unique<Document>(); },
                            [] { return std::make_unique<FrameWindow>(); },
                            [this] {
                                auto made = std::make_unique<WaitingView>();
                                view = made.get();
                                return made;
                            }});
    }
    Application app;
    WaitingView* view = nullptr;
};

} // namespace

TEST(FrameClose, CloseWhileTheViewsHandlerWaitsFollowsOnceTheHandlerReturns)
{
    struct Case {
        const char* name;
        std::function<void(WaitingView&)> wait;
    };
    const Case cases[] = {
        {"popup menu",
         [](WaitingView& view) {
             Menu menu;
             menu.LoadMenu(302);
             menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, &view);
         }},
        {"message box", [](WaitingView&) { ui::MessageBox("地図を描いています", "Veldoran", MB_OK); }},
        {"file dialog",
         [](WaitingView&) {
             FileDialog dialog(true);
             dialog.DoModal();
         }},
        // A program waited for (the user's editor) is not interrupted: the close follows its end.
        {"editor wait", [](WaitingView&) { ui::runAndWait({"sleep", "1"}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::installBackend(nullptr); // the real popup and message box
        Program program;
        ASSERT_TRUE(program.app.OnFileNew());
        FrameWindow* frame = program.app.m_pMainWnd;
        program.view->onRightButton = c.wait;
        // The close box is pressed while the handler waits.
        QWidget* main = widgetOf(frame);
        QTimer::singleShot(100, main, [main] { main->close(); });
        // Against a close that never comes: the wait ends anyway, and the test fails instead of hanging.
        QTimer::singleShot(5000, [] {
            if (QWidget* waiting = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                      : QApplication::activeModalWidget())
                waiting->close();
        });
        QTest::mouseClick(widgetOf(program.view), Qt::RightButton, {}, QPoint(20, 20));
        EXPECT_EQ(program.view->handlerEnds, 1);
        EXPECT_TRUE(program.view->aliveAfterWait) << "the view's window outlived its handler";
        EXPECT_TRUE(waitFor([frame] { return !frame->IsWindow(); })) << "the close followed";
        program.app.Shutdown();
    }
    ui::Script::install();
}

TEST(FrameClose, TheViewsBackBufferIsNoLargerThanTheScreen)
{
    auto script = ui::Script::install();
    script->setScreenSize({1280, 1024});
    Program program;
    ASSERT_TRUE(program.app.OnFileNew());
    program.app.m_pMainWnd->ShowWindow(SW_HIDE);
    QWidget* widget = widgetOf(program.view);
    struct Case {
        QSize window;
        Size buffer;
    };
    for (const Case& c : {Case{{400, 300}, {400, 300}}, Case{{32767, 32767}, {1280, 1024}},
                          Case{{2000, 500}, {1280, 500}}}) {
        SCOPED_TRACE(c.window.width());
        widget->resize(c.window);
        ClientDc dc = program.view->GetDC();
        ASSERT_TRUE(dc);
        EXPECT_EQ(dc->GetDeviceCaps(HORZRES), c.buffer.cx);
        EXPECT_EQ(dc->GetDeviceCaps(VERTRES), c.buffer.cy);
    }
    program.app.Shutdown();
}

TEST(FrameClose, AViewLargerThanTheScreenShowsWhiteBeyondItsBackBuffer)
{
    auto script = ui::Script::install();
    script->setScreenSize({300, 200});
    Program program;
    ASSERT_TRUE(program.app.OnFileNew());
    program.app.m_pMainWnd->MoveWindow(0, 0, 400, 320);
    QWidget* widget = widgetOf(program.view);
    ASSERT_TRUE(waitFor([&] { return widget->width() > 300 && widget->height() > 200 && !program.view->IsRepaintPending(); }));
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixel(100, 100), qRgb(0, 0, 255)) << "the back buffer";
    EXPECT_EQ(shown.pixel(widget->width() - 5, 100), qRgb(255, 255, 255)) << "right of it";
    EXPECT_EQ(shown.pixel(100, widget->height() - 5), qRgb(255, 255, 255)) << "below it";
    program.app.Shutdown();
}

// A long operation inside the view's repaint that keeps the windows current (the boundary
// conversion's progress panel): a close asked for meanwhile waits until the repaint has returned
// (the view's window is not deleted under it), and the operation hears that the end was asked
// for, so it stops at its next step.
TEST(FrameClose, CloseDuringALongOperationInTheRepaintStopsItAndFollowsItsEnd)
{
    struct Case {
        const char* name;
        std::function<void(FrameWindow&)> close;
    };
    const Case cases[] = {
        {"close box", [](FrameWindow& frame) { widgetOf(&frame)->close(); }},
        {"termination signal", [](FrameWindow& frame) { frame.RequestClose(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        ASSERT_TRUE(program.app.OnFileNew());
        FrameWindow* frame = program.app.m_pMainWnd;
        EXPECT_FALSE(ui::endRequested()) << "a new frame starts a run";
        constexpr int kSteps = 500;
        int steps = 0;
        bool aliveAfter = false;
        program.view->onDraw = [&](WaitingView& view) {
            QTimer::singleShot(50, widgetOf(frame), [&] { c.close(*frame); });
            for (; steps < kSteps && !ui::endRequested(); ++steps) {
                QThread::msleep(10);
                ui::processPendingEvents();
            }
            aliveAfter = view.IsWindow();
        };
        program.view->Invalidate(true);
        ASSERT_TRUE(waitFor([&] { return steps > 0; }));
        EXPECT_LT(steps, kSteps) << "the operation went on to its end";
        EXPECT_TRUE(aliveAfter) << "the view's window outlived the repaint";
        EXPECT_TRUE(waitFor([frame] { return !frame->IsWindow(); })) << "the close followed";
        program.app.Shutdown();
    }
}
