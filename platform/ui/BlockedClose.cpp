#include "platform/ui/BlockedClose.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vd {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

class BlockedCloseFilter : public QAbstractNativeEventFilter {
public:
    BlockedCloseFilter(QWidget* window, std::function<void()> onClose, xcb_atom_t deleteWindow)
        : window_(window), onClose_(std::move(onClose)), deleteWindow_(deleteWindow)
    {
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !window_ || !window_->windowHandle())
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->window != window_->windowHandle()->winId() || client->data.data32[0] != deleteWindow_)
            return false;
        // Unblocked, Qt delivers the close event itself.
        if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != window_)
            onClose_();
        return false;
    }

private:
    QPointer<QWidget> window_;
    std::function<void()> onClose_;
    xcb_atom_t deleteWindow_;
};

} // namespace

void watchBlockedClose(QWidget* window, std::function<void()> onClose)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    const xcb_atom_t deleteWindow = internAtom(x11->connection(), "WM_DELETE_WINDOW");
    if (deleteWindow == XCB_ATOM_NONE)
        return;
    auto* filter = new BlockedCloseFilter(window, std::move(onClose), deleteWindow);
    qApp->installNativeEventFilter(filter);
    QObject::connect(window, &QObject::destroyed, qApp, [filter] {
        qApp->removeNativeEventFilter(filter);
        delete filter;
    });
}

} // namespace vd
