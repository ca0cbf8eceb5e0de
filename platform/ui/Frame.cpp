// The main frame, the view and the document on Qt: a QMainWindow with the menu bar of the current
// menu, accelerators as window shortcuts, and the view's widget as its central widget.
#include "platform/ui/Application.h"
#include "platform/ui/BlockedClose.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/MenuImpl.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/Ui.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewWidget.h"
#include "platform/ui/WindowImpl.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QThread>
#include <QTimer>

namespace vd {

using ui::qs;

namespace {

class FrameWidget : public QMainWindow {
public:
    explicit FrameWidget(FrameWindow& frame) : frame_(frame)
    {
        watchBlockedClose(this, [this] { frame_.RequestClose(); });
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        frame_.RequestClose();
    }

private:
    FrameWindow& frame_;
};

QKeySequence keyFor(const ui::Accelerator& a)
{
    int key = 0;
    switch (a.key) {
    case ui::VK_BACK: key = Qt::Key_Backspace; break;
    case ui::VK_TAB: key = Qt::Key_Tab; break;
    case ui::VK_RETURN: key = Qt::Key_Return; break;
    case ui::VK_ESCAPE: key = Qt::Key_Escape; break;
    case ui::VK_SPACE: key = Qt::Key_Space; break;
    case ui::VK_PRIOR: key = Qt::Key_PageUp; break;
    case ui::VK_NEXT: key = Qt::Key_PageDown; break;
    case ui::VK_END: key = Qt::Key_End; break;
    case ui::VK_HOME: key = Qt::Key_Home; break;
    case ui::VK_LEFT: key = Qt::Key_Left; break;
    case ui::VK_UP: key = Qt::Key_Up; break;
    case ui::VK_RIGHT: key = Qt::Key_Right; break;
    case ui::VK_DOWN: key = Qt::Key_Down; break;
    case ui::VK_INSERT: key = Qt::Key_Insert; break;
    case ui::VK_DELETE: key = Qt::Key_Delete; break;
    default:
        if (a.key >= ui::VK_F1 && a.key < ui::VK_F1 + 24)
            key = Qt::Key_F1 + (a.key - ui::VK_F1);
        else if ((a.key >= 'A' && a.key <= 'Z') || (a.key >= '0' && a.key <= '9'))
            key = a.key;
    }
    int modifiers = 0;
    if (a.flags & ui::FCONTROL)
        modifiers |= Qt::CTRL;
    if (a.flags & ui::FSHIFT)
        modifiers |= Qt::SHIFT;
    if (a.flags & ui::FALT)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

// The document string of a resource: window title, document name, new-file name, ...
std::vector<std::string> docStringFields(const std::string& s)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        const size_t nl = s.find('\n', start);
        out.push_back(s.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    return out;
}

void watchMenus(QMenu* menu, FrameWindow& frame)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &frame] {
        for (QAction* a : menu->actions())
            if (a->menu() && !a->menu()->property("vdWatched").toBool()) {
                a->menu()->setProperty("vdWatched", true);
                watchMenus(a->menu(), frame);
            }
        updateMenuItems(menu, frame);
    });
}

// How often a deferred close looks again whether the running handler has returned.
constexpr int kCloseRetryMs = 50;

// Closes the popup menus and modal dialogs on screen, so the handlers waiting for them go on.
void dismissPopupsAndDialogs()
{
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            break;
        popup->close();
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

} // namespace

int& FrameWindow::idleLoopLevel()
{
    static int level = 0;
    return level;
}

bool FrameWindow::handlerRunning()
{
    return QThread::currentThread()->loopLevel() > idleLoopLevel() || ui::deliveringPendingEvents() ||
           QApplication::activePopupWidget() || QApplication::activeModalWidget();
}

// ---- Document

Document::~Document() = default;

bool Document::OnNewDocument()
{
    return true;
}

void Document::UpdateAllViews(View* sender, std::intptr_t hint)
{
    for (View* v : views_)
        if (v != sender)
            v->OnUpdate(sender, hint);
}

void Document::AddView(View* view)
{
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
    view->setDocument(this);
}

void Document::RemoveView(View* view)
{
    std::erase(views_, view);
}

// ---- View

View::View() = default;

View::~View()
{
    if (document_)
        document_->RemoveView(this);
    if (impl_ && impl_->widget) {
        QWidget* w = impl_->widget;
        impl_->widget.clear();
        delete w;
    }
}

bool View::Create(FrameWindow& frame)
{
    auto* main = qobject_cast<QMainWindow*>(widgetOf(&frame));
    if (!main)
        return false;
    frame_ = &frame;
    auto impl = std::make_shared<WindowImpl>();
    impl->owner = this;
    impl->paintsOwnBuffer = true;
    impl->widget = new ViewWidget(*this, main);
    impl_ = impl;
    main->setCentralWidget(impl->widget);
    return true;
}

void View::OnInitialUpdate()
{
    OnUpdate(nullptr, 0);
}

void View::OnUpdate(View*, std::intptr_t)
{
    Invalidate(true);
}

void View::OnDraw(Dc&) {}
void View::OnSize(int, int) {}
void View::OnLButtonDown(unsigned, ui::Point) {}
void View::OnLButtonUp(unsigned, ui::Point) {}
void View::OnLButtonDblClk(unsigned, ui::Point) {}
void View::OnRButtonDown(unsigned, ui::Point) {}
void View::OnRButtonUp(unsigned, ui::Point) {}
void View::OnMouseMove(unsigned, ui::Point) {}
void View::OnKeyDown(int, int, unsigned) {}
void View::OnVScroll(int, int, ScrollBar*) {}
void View::OnActivateWindow(bool) {}

// ---- FrameWindow

FrameWindow::FrameWindow() = default;

FrameWindow::~FrameWindow()
{
    DestroyWindow();
    view_ = nullptr;
    ownedView_.reset();
}

bool FrameWindow::LoadFrame(int resourceId, CreateContext* context)
{
    ui::setEndRequested(false);
    auto impl = std::make_shared<WindowImpl>();
    impl->owner = this;
    impl->id = resourceId;
    auto* main = new FrameWidget(*this);
    impl->widget = main;
    impl_ = impl;

    const auto fields = docStringFields(ui::loadString(resourceId));
    std::string title = fields.empty() || fields[0].empty() ? ui::applicationTitle() : fields[0];
    if (fields.size() > 2 && !fields[2].empty())
        title = fields[2] + " - " + title;
    SetWindowText(title);

    auto menu = std::make_unique<Menu>();
    if (menu->LoadMenu(resourceId))
        SetMenu(*menu);
    LoadAccelTable(resourceId);

    context_ = context;
    const int created = OnCreate();
    context_ = nullptr;
    if (created == -1) {
        DestroyWindow();
        return false;
    }
    return true;
}

int FrameWindow::OnCreate()
{
    if (!context_ || !context_->makeView)
        return 0;
    ownedView_ = context_->makeView();
    if (!ownedView_ || !ownedView_->Create(*this))
        return -1;
    if (context_->document)
        context_->document->AddView(ownedView_.get());
    view_ = ownedView_.get();
    return 0;
}

void FrameWindow::OnClose()
{
    DestroyWindow();
}

void FrameWindow::RequestClose()
{
    if (!impl_ || !impl_->widget)
        return;
    ui::setEndRequested(true);
    if (!handlerRunning()) {
        OnClose();
        return;
    }
    // A handler is inside a menu, a dialog or a wait: the windows it uses must outlive it. Its
    // popups and dialogs are closed (as cancelled) and the close follows once it has returned.
    dismissPopupsAndDialogs();
    if (closeRetryScheduled_)
        return;
    closeRetryScheduled_ = true;
    std::weak_ptr<WindowImpl> alive = impl_;
    QTimer::singleShot(kCloseRetryMs, impl_->widget, [this, alive] {
        const auto impl = alive.lock();
        if (!impl || !impl->widget)
            return;
        closeRetryScheduled_ = false;
        RequestClose();
    });
}

void FrameWindow::DestroyWindow()
{
    if (!impl_ || !impl_->widget)
        return;
    impl_->stopTimers();
    QWidget* w = impl_->widget;
    w->hide();
    if (view_ && view_->impl() && view_->impl()->widget)
        view_->impl()->widget->setParent(nullptr);
    impl_->widget.clear();
    w->deleteLater();
    if (view_ && view_->impl() && view_->impl()->widget) {
        QWidget* vw = view_->impl()->widget;
        view_->impl()->widget.clear();
        delete vw;
    }
}

Document* FrameWindow::GetActiveDocument() const
{
    return view_ ? view_->GetDocument() : nullptr;
}

Menu* FrameWindow::GetMenu() const
{
    return menu_ && menu_->IsValid() ? menu_.get() : nullptr;
}

bool FrameWindow::SetMenu(Menu& menu)
{
    if (!menu.IsValid())
        return false;
    auto adopted = std::make_unique<Menu>();
    adopted->impl_ = std::move(menu.impl_);
    menu_ = std::move(adopted);
    installMenuBar();
    return true;
}

void FrameWindow::DrawMenuBar()
{
    installMenuBar();
}

void FrameWindow::installMenuBar()
{
    auto* main = qobject_cast<QMainWindow*>(widgetOf(this));
    if (!main)
        return;
    QMenuBar* bar = main->menuBar();
    if (!bar->property("vdRouted").toBool()) {
        bar->setProperty("vdRouted", true);
        // A chosen item runs its command once the menu has closed: the command may replace the
        // menu bar (or close the window) that is still delivering the choice.
        std::weak_ptr<WindowImpl> alive = impl_;
        QObject::connect(bar, &QMenuBar::triggered, main, [this, alive, main](QAction* action) {
            const int id = action->property("vdCommand").toInt();
            if (id <= 0 || action->menu())
                return;
            QMetaObject::invokeMethod(
                main,
                [this, alive, id] {
                    if (const auto impl = alive.lock(); impl && impl->widget)
                        ExecuteCommand(id);
                },
                Qt::QueuedConnection);
        });
    }
    bar->clear();
    if (!menu_ || !menu_->IsValid())
        return;
    for (QAction* a : menu_->impl()->menu->actions()) {
        bar->addAction(a);
        if (a->menu() && !a->menu()->property("vdWatched").toBool()) {
            a->menu()->setProperty("vdWatched", true);
            watchMenus(a->menu(), *this);
        }
    }
}

bool FrameWindow::LoadAccelTable(int id)
{
    auto* main = qobject_cast<QMainWindow*>(widgetOf(this));
    const ui::AcceleratorTable* table = ui::findAccelerators(id);
    if (!main || !table)
        return false;
    for (const auto& entry : table->entries) {
        auto* action = new QAction(main);
        action->setShortcut(keyFor(entry));
        action->setShortcutContext(Qt::WindowShortcut);
        const int command = entry.command;
        QObject::connect(action, &QAction::triggered, main, [this, command] { ExecuteCommand(command); });
        main->addAction(action);
    }
    return true;
}

bool FrameWindow::ExecuteCommand(int id)
{
    CmdUI ui(id);
    if (routeUpdate(ui) && ui.enabled && !*ui.enabled)
        return false;
    return routeCommand(id);
}

namespace {

// The command route: the view, the active document, the frame's own map, then the application;
// true at the first that takes the call.
template <class Ask, class Own>
bool alongRoute(const FrameWindow& frame, Own own, Ask ask)
{
    if (View* view = frame.GetActiveView(); view && ask(*view))
        return true;
    if (Document* doc = frame.GetActiveDocument(); doc && ask(*doc))
        return true;
    if (own())
        return true;
    Application* app = Application::current();
    return app && ask(*app);
}

} // namespace

bool FrameWindow::routeCommand(int id)
{
    return alongRoute(
        *this, [&] { return runOwnCommand(id); },
        [&](CommandTarget& target) { return target.routeCommand(id); });
}

bool FrameWindow::routeUpdate(CmdUI& ui)
{
    return alongRoute(
        *this, [&] { return runOwnUpdate(ui); },
        [&](CommandTarget& target) { return target.routeUpdate(ui); });
}

bool FrameWindow::canHandle(int id) const
{
    return alongRoute(
        *this, [&] { return hasOwnCommand(id); },
        [&](const CommandTarget& target) { return target.canHandle(id); });
}

} // namespace vd
