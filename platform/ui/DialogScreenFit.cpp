// A dialog laid out by the platform never grows past the screen, nor past the smallest screen
// the program is made for: it keeps the size its layout asks for where that fits, gives up spare
// room (lists, stretched fields) where it does not, and only when even its controls' least sizes
// are too large puts its body into a scrolled area above its buttons.
#include "platform/ui/DialogImpl.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace vd {

namespace {

// What a window manager adds around a dialog: the title bar and the borders.
constexpr QSize kFrameRoom(16, 48);

// The smallest screen the program is made for: a dialog that fits it fits every screen, so a
// dialog laid out on a larger one looks the same on the user's laptop.
constexpr QSize kSmallestScreen(1024, 768);

QSize screenRoom(const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : kSmallestScreen;
    return available.boundedTo(kSmallestScreen) - kFrameRoom;
}

bool fits(QSize size, QSize room)
{
    return size.width() <= room.width() && size.height() <= room.height();
}

} // namespace

QSize fitToScreen(QDialog& dialog, QBoxLayout& outer, QWidget& body, QSize wanted, const QWidget* parent)
{
    const QSize room = screenRoom(parent);
    if (fits(wanted, room))
        return wanted;
    const QSize least = dialog.minimumSizeHint();
    if (fits(least, room))
        return wanted.boundedTo(room).expandedTo(least);
    const int index = outer.indexOf(&body);
    outer.removeWidget(&body);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(&body);
    outer.insertWidget(index, scroll, 1);
    // As wide as the body and the bar beside it, so that it needs no bar below.
    const QMargins margins = outer.contentsMargins();
    const int width = body.sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + margins.left()
        + margins.right();
    if (width <= room.width())
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return QSize(std::max(wanted.width(), width), wanted.height()).boundedTo(room);
}

} // namespace vd
