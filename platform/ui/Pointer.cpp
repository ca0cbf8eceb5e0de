#include "platform/ui/Pointer.h"

namespace vd::ui {

namespace {

Window*& captured()
{
    static Window* window = nullptr;
    return window;
}

} // namespace

void Backend::setCursor(Window&, CursorShape) {}

void Backend::waitCursor(bool) {}

void Backend::captureMouse(Window&) {}

void Backend::releaseMouse(Window&) {}

void Backend::setCursorPos(Point) {}

void Backend::bringToForeground(Window&) {}

void SetCursor(Window& window, CursorShape shape)
{
    backend().setCursor(window, shape);
}

void SetCapture(Window& window)
{
    if (captured() && captured() != &window)
        backend().releaseMouse(*captured());
    captured() = &window;
    backend().captureMouse(window);
}

void ReleaseCapture()
{
    Window* window = captured();
    if (!window)
        return;
    captured() = nullptr;
    backend().releaseMouse(*window);
}

Window* GetCapture()
{
    return captured();
}

void SetCursorPos(Point screen)
{
    backend().setCursorPos(screen);
}

void SetForegroundWindow(Window& window)
{
    backend().bringToForeground(window);
}

} // namespace vd::ui
