// The pointer on Qt: a widget cursor (the view's widget puts its arrow back when the pointer
// moves without a capture), the override cursor for waits, the widget's mouse grab and
// QCursor::setPos, and raising and activating a top-level window.
#include "platform/ui/QtBackend.h"

#include "platform/ui/Window.h"
#include "platform/ui/WindowImpl.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace vd::ui {

namespace {

QWidget* widgetOf(Window& window)
{
    return window.impl() ? window.impl()->widget.data() : nullptr;
}

Qt::CursorShape qtShape(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Wait: return Qt::WaitCursor;
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::Arrow: break;
    }
    return Qt::ArrowCursor;
}

} // namespace

void QtBackend::setCursor(Window& window, CursorShape shape)
{
    if (QWidget* widget = widgetOf(window))
        widget->setCursor(QCursor(qtShape(shape)));
}

void QtBackend::waitCursor(bool on)
{
    if (!qApp)
        return;
    if (on)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

void QtBackend::captureMouse(Window& window)
{
    QWidget* widget = widgetOf(window);
    if (widget && widget->isVisible())
        widget->grabMouse();
}

void QtBackend::releaseMouse(Window& window)
{
    QWidget* widget = widgetOf(window);
    if (widget && QWidget::mouseGrabber() == widget)
        widget->releaseMouse();
}

void QtBackend::setCursorPos(Point screen)
{
    if (qApp)
        QCursor::setPos(screen.x, screen.y);
}

void QtBackend::bringToForeground(Window& window)
{
    QWidget* widget = widgetOf(window);
    if (!widget || !widget->isVisible())
        return;
    QWidget* topLevel = widget->window();
    topLevel->raise();
    topLevel->activateWindow();
}

} // namespace vd::ui
