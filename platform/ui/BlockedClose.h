#pragma once
// The close box of a window that a modal dialog blocks (private). Qt drops that request; the old
// platform's programs heard it once the dialog was gone, and a session's end must not be lost.
// On X the window manager's close message is watched here and handed on.
#include <functional>

class QWidget;

namespace vd {

// Calls `onClose` when the window manager asks the window to close while it is blocked by a
// modal window; the watch ends with the window.
void watchBlockedClose(QWidget* window, std::function<void()> onClose);

} // namespace vd
