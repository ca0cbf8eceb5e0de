#include "app/shell/MainFrame.h"

#include "app/shell/PendingCommands.h"
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/Application.h"
#include "platform/ui/Document.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Ui.h"
#include "platform/ui/View.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

CMainFrame::CMainFrame()
{
    for (int id : {shell::ID_HELP, shell::ID_CONTEXT_HELP, shell::ID_HELP_FINDER, shell::ID_DEFAULT_HELP})
        OnCommand(id, [this] { OnHelp(); });
    for (const shell::CommandRange& range : shell::PendingCommands())
        OnUpdateCommandUIRange(range.first, range.last, [this](vd::CmdUI& ui) { DisablePendingCommand(ui); });
}

int CMainFrame::OnCreate()
{
    if (vd::FrameWindow::OnCreate() == -1)
        return -1;
    PlaceFrame();
    return 0;
}

void CMainFrame::PlaceFrame()
{
    const int screen = vd::ProfileStore().getInt("System", "Screen", 0);
    MoveWindow(Placement(screen), true);
}

int CMainFrame::TitleBarHeight()
{
    return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

vd::ui::Rect CMainFrame::Placement(int screenSetting)
{
    // The full-screen client area is the desktop's free area less a title bar; the frame takes
    // the title bar back, so it fills the free area from top to bottom.
    const vd::ui::Size available = vd::ui::fullScreenSize();
    const int titleBar = TitleBarHeight();
    const int cx = available.cx;
    const int cy = available.cy - titleBar;
    if (screenSetting != 0)
        return {0, 0, cx, cy + titleBar};
    // The portrait window keeps its width where the screen has room for it.
    return {5, 0, std::min(5 + 721, cx), cy + titleBar};
}

bool CMainFrame::ShowMenuBar(int menuId)
{
    vd::Menu bar;
    if (!bar.LoadMenu(menuId) || !SetMenu(bar))
        return false;
    DrawMenuBar();
    return true;
}

void CMainFrame::OnHelp()
{
    vd::ui::MessageBox(shell::kAboutLine, shell::kAboutCaption, vd::MB_OK | vd::MB_ICONINFORMATION);
}

void CMainFrame::DisablePendingCommand(vd::CmdUI& ui)
{
    // A handler that has landed on the route (view, document, application) enables its item.
    const int id = ui.m_nID;
    if (vd::View* view = GetActiveView(); view && view->canHandle(id))
        return;
    if (vd::Document* document = GetActiveDocument(); document && document->canHandle(id))
        return;
    if (vd::Application* app = vd::Application::current(); app && app->canHandle(id))
        return;
    ui.Enable(false);
}
