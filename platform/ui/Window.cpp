#include "platform/ui/Window.h"

#include "platform/dc/BitmapImpl.h"

#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/FramePlacement.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/Pointer.h"
#include "platform/ui/Ui.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vd {

using ui::qs;
using ui::us;

namespace {

// Shows a window's back buffer over its normal look; input passes through to the window.
class BackBufferOverlay : public QWidget {
public:
    BackBufferOverlay(QWidget* parent, const Bitmap& image)
        : QWidget(parent), image_(image)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(parent->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.IsNull())
            return;
        QPainter painter(this);
        painter.drawImage(0, 0, bitmapImage(image_));
    }

private:
    const Bitmap& image_;
};

} // namespace

WindowImpl::~WindowImpl()
{
    stopTimers();
}

void WindowImpl::setText(const std::string& text)
{
    text_ = text;
    if (widget)
        widget->setWindowTitle(qs(text));
}

std::string WindowImpl::text() const
{
    return text_;
}

namespace {

// A back buffer as large as its window, but no larger than the screen: a window of 32767 x 32767
// would need gigabytes.
QSize bufferSizeFor(const QWidget* widget)
{
    const Size screen = ui::backend().screenSize();
    const QSize size = widget ? widget->size() : QSize(1, 1);
    return size.boundedTo(QSize(screen.cx, screen.cy)).expandedTo(QSize(1, 1));
}

} // namespace

Bitmap& WindowImpl::backBuffer()
{
    const QSize size = bufferSizeFor(widget);
    if (buffer_.IsNull() || buffer_.GetSize() != Size{size.width(), size.height()}) {
        // Drawing starts on what the window shows now.
        QImage look = widget ? widget->grab().toImage() : QImage(size, QImage::Format_RGB32);
        if (look.size() != size) {
            look = QImage(size, QImage::Format_RGB32);
            look.fill(Qt::white);
        }
        buffer_ = bitmapFromImage(look);
    }
    return buffer_;
}

Bitmap& WindowImpl::backBufferFilled(COLORREF fill)
{
    const QSize size = bufferSizeFor(widget);
    if (buffer_.IsNull() || buffer_.GetSize() != Size{size.width(), size.height()}) {
        // Made in its colour at once (an empty size gives one pixel, as an empty image did).
        if (!buffer_.CreateBitmap(size.width(), size.height(), fill & 0xFFFFFFu))
            buffer_.CreateBitmap(1, 1);
    }
    return buffer_;
}

void WindowImpl::showBackBuffer()
{
    if (!widget || buffer_.IsNull())
        return;
    if (paintsOwnBuffer) {
        widget->update();
        return;
    }
    if (!overlay_) {
        overlay_ = new BackBufferOverlay(widget, buffer_);
        overlay_->show();
    }
    overlay_->setGeometry(widget->rect());
    overlay_->raise();
    overlay_->update();
}

void WindowImpl::clearBackBuffer()
{
    buffer_ = Bitmap();
    if (overlay_)
        overlay_->update();
}

void WindowImpl::stopTimers()
{
    for (const auto& [id, handle] : timers)
        ui::stopTimer(handle);
    timers.clear();
}

QWidget* widgetOf(const Window* window)
{
    return window && window->impl() ? window->impl()->widget.data() : nullptr;
}

Window* handleOf(WindowImpl* impl)
{
    return impl ? impl->owner : nullptr;
}

Window::Window() = default;

Window::~Window()
{
    // The mouse is never left held by a window that is gone.
    if (ui::GetCapture() == this)
        ui::ReleaseCapture();
    if (impl_ && impl_->ownedByHandle && impl_->owner == this) {
        Window::DestroyWindow();
        // The control's default handle holds the control too: without this the two keep each
        // other alive.
        const auto control = impl_;
        control->defaultHandle.reset();
    }
    if (impl_ && impl_->owner == this)
        impl_->owner = impl_->defaultHandle.get() != this ? impl_->defaultHandle.get() : nullptr;
}

void Window::attach(std::shared_ptr<WindowImpl> impl)
{
    impl_ = std::move(impl);
    if (impl_ && impl_->defaultHandle.get() != this)
        impl_->owner = this;
}

bool Window::IsWindow() const
{
    return widgetOf(this) != nullptr;
}

int Window::GetDlgCtrlID() const
{
    return impl_ ? impl_->id : 0;
}

std::uint32_t Window::GetStyle() const
{
    return impl_ ? impl_->style : 0;
}

void Window::SetWindowText(const std::string& text)
{
    if (impl_)
        impl_->setText(text);
}

std::string Window::GetWindowText() const
{
    return impl_ ? impl_->text() : std::string();
}

void Window::EnableWindow(bool enable)
{
    if (auto* w = widgetOf(this))
        w->setEnabled(enable);
}

bool Window::IsWindowEnabled() const
{
    auto* w = widgetOf(this);
    return w && w->isEnabled();
}

void Window::ShowWindow(int command)
{
    if (auto* w = widgetOf(this))
        w->setVisible(command != SW_HIDE);
}

bool Window::IsWindowVisible() const
{
    auto* w = widgetOf(this);
    return w && w->isVisible();
}

namespace {

QWidget* focusWidgetOf(QWidget* w)
{
    if (auto* combo = comboWidgetOf(w); combo && combo->lineEdit())
        return combo->lineEdit();
    return w->focusProxy() ? w->focusProxy() : w;
}

} // namespace

void moveFocusTo(WindowImpl& control)
{
    DialogImpl* owner = control.dialog;
    if (!control.widget)
        return;
    if (owner && owner->focusedId == control.id)
        return;
    if (owner) {
        DialogImpl* top = owner;
        while (top->parentDialog)
            top = top->parentDialog;
        std::vector<DialogImpl*> dialogs{top};
        for (size_t i = 0; i < dialogs.size(); ++i)
            for (DialogImpl* child : dialogs[i]->children)
                dialogs.push_back(child);
        for (DialogImpl* d : dialogs)
            if (d->focusedId != 0)
                if (WindowImpl* old = d->control(d->focusedId)) {
                    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
                    QCoreApplication::sendEvent(focusWidgetOf(old->widget), &out);
                }
    }
    QWidget* target = focusWidgetOf(control.widget);
    target->setFocus(Qt::OtherFocusReason);
    if (owner && owner->focusedId != control.id) {
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(target, &in);
        owner->focusedId = control.id;
    }
}

void Window::SetFocus()
{
    if (impl_ && impl_->isControl) {
        moveFocusTo(*impl_);
        return;
    }
    if (auto* w = widgetOf(this))
        w->setFocus(Qt::OtherFocusReason);
}

bool Window::HasFocus() const
{
    if (impl_ && impl_->dialog)
        return impl_->dialog->focusedId == impl_->id;
    auto* w = widgetOf(this);
    return w && w->hasFocus();
}

void Window::MoveWindow(int x, int y, int width, int height, bool)
{
    auto* w = widgetOf(this);
    if (!w)
        return;
    if (w->isWindow()) {
        // A top-level window's size includes its frame.
        placeFrame(*w, QRect(x, y, width, height));
        return;
    }
    w->setGeometry(x, y, width, height);
}

void Window::MoveWindow(const ui::Rect& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

void Window::SetWindowPos(int x, int y)
{
    if (auto* w = widgetOf(this))
        w->move(x, y);
}

ui::Rect Window::GetClientRect() const
{
    auto* w = widgetOf(this);
    if (!w)
        return {};
    return {0, 0, w->width(), w->height()};
}

ui::Rect Window::GetWindowRect() const
{
    auto* w = widgetOf(this);
    if (!w)
        return {};
    const QPoint origin = w->isWindow() ? w->frameGeometry().topLeft() : w->mapToGlobal(QPoint(0, 0));
    const QSize size = w->isWindow() ? w->frameGeometry().size() : w->size();
    return {origin.x(), origin.y(), origin.x() + size.width(), origin.y() + size.height()};
}

void Window::CenterWindow()
{
    auto* w = widgetOf(this);
    if (!w)
        return;
    QRect area;
    if (w->parentWidget())
        area = w->parentWidget()->window()->geometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

ui::Point Window::ClientToScreen(ui::Point point) const
{
    auto* w = widgetOf(this);
    if (!w)
        return point;
    const QPoint p = w->mapToGlobal(QPoint(point.x, point.y));
    return {p.x(), p.y()};
}

ui::Point Window::ScreenToClient(ui::Point point) const
{
    auto* w = widgetOf(this);
    if (!w)
        return point;
    const QPoint p = w->mapFromGlobal(QPoint(point.x, point.y));
    return {p.x(), p.y()};
}

void Window::Invalidate(bool erase)
{
    if (!impl_ || !impl_->widget)
        return;
    // Erasing a control shows its normal look again, without what was drawn into it.
    if (erase && impl_->isControl && !impl_->painter)
        impl_->clearBackBuffer();
    impl_->needsDraw = true;
    if (auto* view = dynamic_cast<ViewWidget*>(impl_->widget.data()))
        view->requestDraw();
    impl_->widget->update();
}

bool Window::IsRepaintPending() const
{
    return impl_ && impl_->widget && impl_->needsDraw;
}

void Window::UpdateWindow()
{
    auto* w = widgetOf(this);
    if (!w)
        return;
    // At once, so that progress drawn during a long operation shows; inside a paint handler
    // the repaint is scheduled instead.
    if (PaintScope::depth() != 0 || !w->isVisible()) {
        w->update();
        return;
    }
    // The view and self-painted controls draw into their back buffers now, whether or not the
    // screen takes the repaint at once.
    if (impl_->needsDraw && impl_->paintsOwnBuffer) {
        PaintScope scope;
        if (auto* view = dynamic_cast<View*>(impl_->owner)) {
            impl_->needsDraw = false;
            drawView(*view);
        } else if (auto* painted = dynamic_cast<PaintedControl*>(impl_->owner)) {
            painted->paintNow();
        }
    }
    w->repaint();
}

void Window::RedrawWindow()
{
    Invalidate(true);
    UpdateWindow();
}

Window* Window::GetParent() const
{
    if (!impl_)
        return nullptr;
    if (impl_->dialog && impl_->isControl)
        return &impl_->dialog->object;
    if (auto* d = dynamic_cast<DialogImpl*>(impl_.get()); d && d->parentDialog)
        return &d->parentDialog->object;
    return nullptr;
}

Window* Window::GetDlgItem(int id) const
{
    auto* d = dynamic_cast<DialogImpl*>(impl_.get());
    return d ? handleOf(d->find(id)) : nullptr;
}

void Window::SetDlgItemText(int id, const std::string& text)
{
    if (Window* w = GetDlgItem(id))
        w->SetWindowText(text);
}

std::string Window::GetDlgItemText(int id) const
{
    const Window* w = GetDlgItem(id);
    return w ? w->GetWindowText() : std::string();
}

void Window::SetDlgItemInt(int id, int value, bool isSigned)
{
    SetDlgItemText(id, isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value)));
}

int Window::GetDlgItemInt(int id, bool* translated, bool isSigned) const
{
    // The old platform's rule: optional blanks, an optional "-" (signed only), digits, and
    // nothing else after them.
    const std::string text = GetDlgItemText(id);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    const size_t digitsFrom = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL)
            break;
        ++i;
    }
    const bool ok = i > digitsFrom && i == text.size() && (isSigned ? value <= 0x7FFFFFFFLL + (negative ? 1 : 0) : value <= 0xFFFFFFFFLL);
    if (translated)
        *translated = ok;
    if (!ok)
        return 0;
    return static_cast<int>(negative ? -value : value);
}

void Window::CheckDlgButton(int id, int check)
{
    if (auto* b = dynamic_cast<Button*>(GetDlgItem(id)))
        b->SetCheck(check);
}

int Window::IsDlgButtonChecked(int id) const
{
    auto* b = dynamic_cast<Button*>(GetDlgItem(id));
    return b ? b->GetCheck() : BST_UNCHECKED;
}

void Window::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        if (auto* b = dynamic_cast<Button*>(GetDlgItem(id)))
            b->SetCheck(id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int Window::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            return id;
    return 0;
}

void Window::SetTimer(int id, int intervalMs)
{
    if (!impl_)
        return;
    KillTimer(id);
    std::weak_ptr<WindowImpl> weak = impl_;
    impl_->timers[id] = ui::startTimer(intervalMs, [weak, id] {
        if (auto impl = weak.lock())
            if (Window* w = impl->owner)
                w->OnTimer(id);
    });
}

void Window::KillTimer(int id)
{
    if (!impl_)
        return;
    const auto found = impl_->timers.find(id);
    if (found == impl_->timers.end())
        return;
    ui::stopTimer(found->second);
    impl_->timers.erase(found);
}

void Window::OnTimer(int) {}

void Window::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!impl_)
        return;
    std::weak_ptr<WindowImpl> weak = impl_;
    QObject* context = impl_->widget ? static_cast<QObject*>(impl_->widget.data()) : qApp;
    QTimer::singleShot(0, context, [weak, message, wParam, lParam] {
        if (auto impl = weak.lock())
            if (Window* w = impl->owner)
                w->OnMessage(message, wParam, lParam);
    });
}

std::intptr_t Window::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    Window* target = impl_ && impl_->owner ? impl_->owner : this;
    return target->OnMessage(message, wParam, lParam);
}

std::intptr_t Window::OnMessage(unsigned, std::uintptr_t, std::intptr_t)
{
    return 0;
}

void Window::ClearBackBuffer()
{
    if (impl_)
        impl_->clearBackBuffer();
}

} // namespace vd
