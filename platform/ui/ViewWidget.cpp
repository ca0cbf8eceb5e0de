#include "platform/ui/ViewWidget.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/WindowImpl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace vd {

namespace {

// The event that draws the view outside Qt's paint.
const QEvent::Type kDrawRequest = static_cast<QEvent::Type>(QEvent::registerEventType());

unsigned flagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    unsigned flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

ui::Point pointOf(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    return {p.x(), p.y()};
}

int virtualKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return ui::VK_LEFT;
    case Qt::Key_Right: return ui::VK_RIGHT;
    case Qt::Key_Up: return ui::VK_UP;
    case Qt::Key_Down: return ui::VK_DOWN;
    case Qt::Key_PageUp: return ui::VK_PRIOR;
    case Qt::Key_PageDown: return ui::VK_NEXT;
    case Qt::Key_Home: return ui::VK_HOME;
    case Qt::Key_End: return ui::VK_END;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::VK_RETURN;
    case Qt::Key_Escape: return ui::VK_ESCAPE;
    case Qt::Key_Space: return ui::VK_SPACE;
    case Qt::Key_Insert: return ui::VK_INSERT;
    case Qt::Key_Delete: return ui::VK_DELETE;
    case Qt::Key_Backspace: return ui::VK_BACK;
    case Qt::Key_Tab: return ui::VK_TAB;
    default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return ui::VK_F1 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    return 0;
}

} // namespace

ViewWidget::ViewWidget(View& view, QWidget* parent)
    : QWidget(parent), view_(view)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    requestDraw();
}

void ViewWidget::requestDraw()
{
    if (drawRequested_)
        return;
    drawRequested_ = true;
    // Normal priority: delivered before the window's update request, so the paint that follows
    // shows the new picture.
    QCoreApplication::postEvent(this, new QEvent(kDrawRequest));
}

// The requested drawing; and the main window's activation changes, which Qt forwards to its child
// widgets, so the view hears them here.
bool ViewWidget::event(QEvent* e)
{
    if (e->type() == kDrawRequest) {
        drawRequested_ = false;
        // A hidden view draws when it is shown, as its paint would.
        WindowImpl* impl = view_.impl();
        if (impl && impl->needsDraw && isVisible()) {
            impl->needsDraw = false;
            drawView(view_);
            update();
        }
        return true;
    }
    if (e->type() == QEvent::WindowActivate)
        view_.OnActivateWindow(true);
    else if (e->type() == QEvent::WindowDeactivate)
        view_.OnActivateWindow(false);
    return QWidget::event(e);
}

void ViewWidget::paintEvent(QPaintEvent*)
{
    PaintScope scope;
    WindowImpl* impl = view_.impl();
    // A paint that comes before the requested drawing (an expose, the window's first) shows
    // the picture there is: the drawing follows, outside the paint.
    if (impl && impl->needsDraw)
        requestDraw();
    QPainter painter(this);
    // The back buffer is at most the screen's size: what lies beyond it shows white.
    QRegion outside(rect());
    if (impl && impl->hasBackBuffer()) {
        const QImage& image = bitmapImage(impl->currentBuffer());
        painter.drawImage(0, 0, image);
        outside -= QRect(QPoint(0, 0), image.size());
    }
    for (const QRect& r : outside)
        painter.fillRect(r, Qt::white);
}

// The old platform painted after every size change: the view then draws for the new size.
void ViewWidget::resizeEvent(QResizeEvent*)
{
    view_.OnSize(width(), height());
    if (WindowImpl* impl = view_.impl())
        impl->needsDraw = true;
    requestDraw();
    update();
}

void ViewWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        view_.OnLButtonDown(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
    else if (e->button() == Qt::RightButton)
        view_.OnRButtonDown(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        view_.OnLButtonUp(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
    else if (e->button() == Qt::RightButton)
        view_.OnRButtonUp(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
}

void ViewWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        view_.OnLButtonDblClk(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
}

void ViewWidget::mouseMoveEvent(QMouseEvent* e)
{
    // The window's own arrow comes back before the move is handled (the handler may set another
    // shape), except while the view holds the mouse.
    if (testAttribute(Qt::WA_SetCursor) && QWidget::mouseGrabber() != this)
        unsetCursor();
    view_.OnMouseMove(flagsOf(e->buttons(), e->modifiers()), pointOf(e));
}

void ViewWidget::keyPressEvent(QKeyEvent* e)
{
    const int vk = virtualKeyOf(e->key());
    if (vk == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    view_.OnKeyDown(vk, e->isAutoRepeat() ? 2 : 1, 0);
}

} // namespace vd
