#pragma once
// The pointer of the old platform: its shape over a window, the mouse held by one window (all
// mouse events go to it until released) and the pointer's position on the screen. Through the
// vd::ui seam, so a test script records each of them.
#include "platform/ui/Ui.h"

namespace vd::ui {

// The shape until the pointer next moves over the window without a capture (then the window's
// own arrow comes back, as the old platform's class cursor did).
void SetCursor(Window& window, CursorShape shape);
// The window receives every mouse event until ReleaseCapture; a second capture replaces the first.
void SetCapture(Window& window);
void ReleaseCapture();
// The window holding the mouse, or null.
Window* GetCapture();
// Puts the pointer at a point of the screen.
void SetCursorPos(Point screen);
// Raises the window's top-level window and makes it active, so that a popup shown at the pointer
// next belongs to the window in front.
void SetForegroundWindow(Window& window);

} // namespace vd::ui
