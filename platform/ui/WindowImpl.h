#pragma once
// The platform's side of a window handle (private): the Qt widget, the id, the kind and styles,
// the object that receives the window's virtual calls, the timers and the back buffer.
#include "platform/ui/Controls.h"
#include "platform/dc/Bitmap.h"
#include "platform/ui/DialogTemplate.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

namespace vd {

class DialogImpl;
class View;

class WindowImpl {
public:
    virtual ~WindowImpl();

    QPointer<QWidget> widget;
    int id = 0;
    bool isControl = false;
    ui::ControlKind kind = ui::ControlKind::Static;
    std::uint32_t style = 0;
    // The object that receives virtual calls (a dialog, a frame, or a control's subclass).
    Window* owner = nullptr;
    // For a control: the dialog it belongs to and its position in the template; a control
    // created at run time on another window (the view's buttons) has that window instead.
    DialogImpl* dialog = nullptr;
    std::weak_ptr<WindowImpl> parentWindow;
    // A control created at run time goes away with its handle object.
    bool ownedByHandle = false;
    int order = 0;
    std::unique_ptr<Window> defaultHandle;
    std::map<int, int> timers;  // the window's timer id -> the seam's handle
    // The painter of a self-painted control.
    std::function<void(Dc&, const ui::Rect&)> painter;

    // Texts of the old platform: the caption with its "&" mnemonic as given.
    virtual void setText(const std::string& text);
    virtual std::string text() const;

    // The back buffer that GetDC draws into: it starts as the window's look at that moment and
    // is shown over it until the window is erased (Invalidate with erase).
    Bitmap& backBuffer();
    // The back buffer sized to the window, filled with a colour when it is made anew.
    Bitmap& backBufferFilled(COLORREF fill);
    void showBackBuffer();
    void clearBackBuffer();
    bool hasBackBuffer() const { return !buffer_.IsNull(); }
    // The view and self-painted controls draw again on their next paint.
    bool needsDraw = true;
    // The view and self-painted controls show their back buffer in their own paint.
    bool paintsOwnBuffer = false;
    const Bitmap& currentBuffer() const { return buffer_; }

    void stopTimers();

    // A control reports to its dialog, or to the window it was created on (a click is that
    // window's command).
    void notifyParent(int code, int item = -1, int subItem = -1);
    void scrolled(int code, int pos);

protected:
    std::string text_;

private:
    QPointer<QWidget> overlay_;
    Bitmap buffer_;
};

// Gives a control the keyboard focus; the control that had it in the same top-level dialog
// (its pages included) reports losing it first, also when the window is not active.
void moveFocusTo(WindowImpl& control);

// Draws the view into its back buffer through OnDraw (Painting.cpp).
void drawView(View& view);
// Told just before each drawing of a view into its back buffer (drawn false) and just after it
// (true), with the buffer: tests watch the repaints through it. An empty function for none.
using ViewDrawObserver = std::function<void(View& view, Bitmap& buffer, bool drawn)>;
void setViewDrawObserver(ViewDrawObserver observer);

// Counts the paint handlers of the platform's widgets that are running: a window is repainted at
// once only outside them (inside, it is scheduled).
struct PaintScope {
    PaintScope() { ++depth(); }
    ~PaintScope() { --depth(); }
    static int& depth()
    {
        static int d = 0;
        return d;
    }
};

// The widget of a window, or null.
QWidget* widgetOf(const Window* window);
// The handle object that stands for a widget's window (its subclass when attached).
Window* handleOf(WindowImpl* impl);

} // namespace vd
