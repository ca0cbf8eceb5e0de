#include "platform/ui/QtBackend.h"

#include "platform/ui/MenuImpl.h"
#include "platform/ui/QtBridge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace vd::ui {

namespace {

// Swallows user input while the program waits for an external program; paint and timer
// events still pass, so the windows stay painted.
class InputBlocker : public QObject {
public:
    // A window's close request waits for the end of the wait, as the old platform's queued
    // message did: it is asked again once the handler that waited has returned.
    ~InputBlocker() override
    {
        for (const QPointer<QWidget>& window : closeRequests_)
            if (window)
                QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            if (QWidget* window = topLevelOf(watched);
                window && std::find(closeRequests_.begin(), closeRequests_.end(), window) == closeRequests_.end())
                closeRequests_.emplace_back(window);
            // Refused, not only swallowed: an accepted close event hides the window.
            event->ignore();
            return true;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    // The top-level widget of a close event: it comes to the widget's native window first.
    static QWidget* topLevelOf(QObject* watched)
    {
        if (auto* widget = qobject_cast<QWidget*>(watched))
            return widget->isWindow() ? widget : nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == watched)
                return widget;
        return nullptr;
    }

    std::vector<QPointer<QWidget>> closeRequests_;
};

QElapsedTimer& startClock()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int id;
    const char* text;
};

std::vector<ButtonSpec> buttonsFor(unsigned style)
{
    using B = QMessageBox;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{B::Ok, IDOK, "OK"}, {B::Cancel, IDCANCEL, "キャンセル"}};
    case MB_ABORTRETRYIGNORE:
        return {{B::Abort, IDABORT, "中止(&A)"}, {B::Retry, IDRETRY, "再試行(&R)"}, {B::Ignore, IDIGNORE, "無視(&I)"}};
    case MB_YESNOCANCEL:
        return {{B::Yes, IDYES, "はい(&Y)"}, {B::No, IDNO, "いいえ(&N)"}, {B::Cancel, IDCANCEL, "キャンセル"}};
    case MB_YESNO: return {{B::Yes, IDYES, "はい(&Y)"}, {B::No, IDNO, "いいえ(&N)"}};
    case MB_RETRYCANCEL: return {{B::Retry, IDRETRY, "再試行(&R)"}, {B::Cancel, IDCANCEL, "キャンセル"}};
    default: return {{B::Ok, IDOK, "OK"}};
    }
}

QMessageBox::Icon iconFor(unsigned style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

QtBackend::QtBackend()
{
    startClock();
}

QtBackend::~QtBackend() = default;

int QtBackend::messageBox(const MessageBoxRequest& request)
{
    QMessageBox box(iconFor(request.style), qs(request.caption), qs(request.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto specs = buttonsFor(request.style);
    std::map<QAbstractButton*, int> ids;
    for (const auto& spec : specs) {
        QAbstractButton* b = box.addButton(spec.button);
        b->setText(QString::fromUtf8(spec.text));
        ids[b] = spec.id;
    }
    const size_t def = (request.style & MB_DEFMASK) >> 8;
    if (def < specs.size())
        box.setDefaultButton(specs[def].button);
    // Escape answers Cancel where there is one, else the only button.
    for (const auto& spec : specs)
        if (spec.id == IDCANCEL || specs.size() == 1)
            box.setEscapeButton(box.button(spec.button));
    box.exec();
    const auto found = ids.find(box.clickedButton());
    if (found != ids.end())
        return found->second;
    return specs.size() == 1 ? IDOK : IDCANCEL;
}

void QtBackend::beep()
{
    QApplication::beep();
}

void QtBackend::progress(const std::string& text)
{
    // Widgets need a widget application (a benchmark or tool may run with a GUI one only).
    if (text.empty() || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        progress_.reset();
        return;
    }
    if (!progress_) {
        progress_ = std::make_unique<QLabel>();
        progress_->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        progress_->setFrameStyle(QFrame::Box);
        progress_->setMargin(12);
    }
    progress_->setText(qs(text));
    progress_->adjustSize();
    if (QWidget* window = QApplication::activeWindow())
        progress_->move(window->geometry().center() - progress_->rect().center());
    progress_->show();
    progress_->repaint(); // the caller is inside a repaint: no event loop will paint it later
}

ProcessResult QtBackend::runProcess(const std::vector<std::string>& argv)
{
    ProcessResult result;
    QProcess process;
    QStringList args;
    for (size_t i = 1; i < argv.size(); ++i)
        args << qs(argv[i]);
    QElapsedTimer clock;
    clock.start();
    process.start(qs(argv.front()), args);
    if (!process.waitForStarted(10000))
        return result;
    result.started = true;

    InputBlocker blocker;
    qApp->installEventFilter(&blocker);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    qApp->removeEventFilter(&blocker);

    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.elapsedMs = clock.elapsed();
    return result;
}

int QtBackend::startProcess(const std::vector<std::string>& argv)
{
    auto* process = new QProcess;
    QStringList args;
    for (size_t i = 1; i < argv.size(); ++i)
        args << qs(argv[i]);
    process->start(qs(argv.front()), args);
    if (!process->waitForStarted(10000)) {
        delete process;
        return 0;
    }
    const int handle = nextProcess_++;
    processes_[handle] = process;
    return handle;
}

bool QtBackend::endProcess(int handle)
{
    const auto found = processes_.find(handle);
    if (found == processes_.end())
        return false;
    QProcess* process = found->second;
    processes_.erase(found);
    const bool wasRunning = process->state() != QProcess::NotRunning;
    if (wasRunning) {
        process->terminate();
        if (!process->waitForFinished(2000)) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
    delete process;
    return wasRunning;
}

bool QtBackend::processRunning(int handle)
{
    const auto found = processes_.find(handle);
    return found != processes_.end() && found->second->state() != QProcess::NotRunning;
}

bool QtBackend::openWithDesktop(const std::string& target)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {qs(target)});
}

std::int64_t QtBackend::nowMilliseconds()
{
    return QDateTime::currentMSecsSinceEpoch();
}

std::uint32_t QtBackend::tickCount()
{
    return static_cast<std::uint32_t>(startClock().elapsed());
}

int QtBackend::startTimer(int intervalMs, std::function<void()> onTick)
{
    auto* timer = new QTimer;
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, [onTick = std::move(onTick)] { onTick(); });
    const int handle = nextTimer_++;
    timers_[handle] = timer;
    timer->start();
    return handle;
}

void QtBackend::stopTimer(int handle)
{
    const auto found = timers_.find(handle);
    if (found == timers_.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    timers_.erase(found);
}

Size QtBackend::fullScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {800, 800};
    const QSize size = screen->availableGeometry().size();
    // The full-screen client area leaves room for the window's caption, as the old metric did;
    // the offscreen platform has no caption (and reports 800 x 800).
    int caption = 0;
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        caption = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {size.width(), size.height() - caption};
}

Size QtBackend::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {800, 800};
    const QSize size = screen->virtualSize();
    return {size.width(), size.height()};
}

bool QtBackend::chooseColour(std::uint32_t& colour, bool)
{
    const QColor chosen = QColorDialog::getColor(toQColor(colour), QApplication::activeWindow());
    if (!chosen.isValid())
        return false;
    colour = fromQColor(chosen);
    return true;
}

bool QtBackend::chooseFont(LogFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, toQFont(font), QApplication::activeWindow());
    if (!ok)
        return false;
    font = fromQFont(chosen, font);
    return true;
}

int QtBackend::trackPopupMenu(Menu& menu, Point screen)
{
    QMenu* qmenu = menu.impl() ? menu.impl()->menu.data() : nullptr;
    if (!qmenu)
        return 0;
    QAction* chosen = qmenu->exec(QPoint(screen.x, screen.y));
    return chosen ? chosen->property("vdCommand").toInt() : 0;
}

} // namespace vd::ui
