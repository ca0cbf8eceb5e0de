#include "platform/ui/Application.h"

#include "platform/ui/Document.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/View.h"
#include "platform/ui/WindowImpl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace vd {

namespace {

Application*& currentApp()
{
    static Application* app = nullptr;
    return app;
}

} // namespace

Application::Application()
{
    currentApp() = this;
}

Application::~Application()
{
    Shutdown();
    if (currentApp() == this)
        currentApp() = nullptr;
}

Application* Application::current()
{
    return currentApp();
}

bool Application::InitInstance()
{
    return true;
}

void Application::AddDocTemplate(SingleDocTemplate docTemplate)
{
    template_ = std::move(docTemplate);
}

bool Application::OnFileNew()
{
    if (!template_.makeDocument || !template_.makeFrame)
        return false;
    Shutdown();
    document_ = template_.makeDocument();
    frame_ = template_.makeFrame();
    CreateContext context{template_.makeView, document_.get()};
    if (!document_ || !frame_ || !frame_->LoadFrame(template_.resourceId, &context)) {
        frame_.reset();
        document_.reset();
        return false;
    }
    m_pMainWnd = frame_.get();
    if (!document_->OnNewDocument()) {
        Shutdown();
        return false;
    }
    if (View* view = frame_->GetActiveView())
        view->OnInitialUpdate();
    frame_->ShowWindow(SW_SHOW);
    return true;
}

int Application::Run()
{
    int code = 0;
    if (frame_ && frame_->IsWindow()) {
        QObject::connect(qApp, &QApplication::lastWindowClosed, qApp, &QApplication::quit);
        // The end of the main frame ends the run whatever modeless windows are still open. Not
        // quit(): Qt first asks every window to close and gives up when one refuses, and a
        // dialog's close box is its Cancel command, never an accepted close.
        QWidget* main = widgetOf(frame_.get());
        QObject::connect(main, &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
        // Inside the loop, a further level is a handler's menu, dialog or wait.
        const int idleLevel = FrameWindow::idleLoopLevel();
        FrameWindow::idleLoopLevel() = idleLevel + 1;
        code = QApplication::exec();
        FrameWindow::idleLoopLevel() = idleLevel;
    }
    Shutdown();
    // A frame closed while no loop ran (an end asked for during the start) or in the loop's last
    // round is deleted now, with what hangs on it, not left to the end of the process.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

void Application::Shutdown()
{
    // The frame (and its view) go first, then the document.
    m_pMainWnd = nullptr;
    frame_.reset();
    document_.reset();
}

} // namespace vd
