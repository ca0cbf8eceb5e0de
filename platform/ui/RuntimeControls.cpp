// Controls created at run time on a window other than a dialog (the view's on-screen buttons and
// page scroll bar), and where every control's notifications go.
#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/View.h"

#include <QScrollBar>

namespace vd {

void WindowImpl::notifyParent(int code, int item, int subItem)
{
    if (dialog) {
        dialog->notify(id, code, item, subItem);
        return;
    }
    const auto parent = parentWindow.lock();
    if (!parent || code != BN_CLICKED)
        return;
    if (auto* parentDialog = dynamic_cast<DialogImpl*>(parent.get())) {
        parentDialog->notify(id, code, item, subItem);
        return;
    }
    // A click is a command of the window the button stands on; a view passes it on to its
    // document.
    Window* owner = parent->owner;
    if (auto* view = dynamic_cast<View*>(owner)) {
        if (!view->routeCommand(id))
            if (Document* doc = view->GetDocument())
                doc->routeCommand(id);
    } else if (auto* target = dynamic_cast<CommandTarget*>(owner)) {
        target->routeCommand(id);
    }
}

void WindowImpl::scrolled(int code, int pos)
{
    if (dialog) {
        dialog->scrolled(*this, code, pos);
        return;
    }
    const auto parent = parentWindow.lock();
    if (!parent)
        return;
    auto* bar = dynamic_cast<ScrollBar*>(handleOf(this));
    if (auto* view = dynamic_cast<View*>(parent->owner))
        view->OnVScroll(code, pos, bar);
    else if (auto* parentDialog = dynamic_cast<DialogImpl*>(parent.get()))
        parentDialog->scrolled(*this, code, pos);
}

namespace {

bool createOn(Window& handle, const ui::ControlTemplate& t, const ui::Rect& rect, Window* parent)
{
    QWidget* parentWidget = widgetOf(parent);
    if (!parentWidget)
        return false;
    handle.DestroyWindow();
    auto* parentDialog = dynamic_cast<DialogImpl*>(parent->impl());
    auto c = createControl(parentDialog, t, parentDialog ? static_cast<int>(parentDialog->controls.size()) : 0, parentWidget);
    c->parentWindow = parent->sharedImpl();
    c->ownedByHandle = true;
    c->widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    c->widget->setVisible(t.style & WS_VISIBLE);
    handle.attach(c);
    c->owner = &handle;
    if (parentDialog)
        parentDialog->controls.push_back(c);
    return true;
}

} // namespace

bool Button::Create(const std::string& caption, std::uint32_t style, const ui::Rect& rect, Window* parent, int id)
{
    ui::ControlTemplate t;
    t.kind = (style & BS_TYPEMASK) == BS_AUTOCHECKBOX || (style & BS_TYPEMASK) == BS_CHECKBOX ? ui::ControlKind::CheckBox
        : (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON || (style & BS_TYPEMASK) == BS_RADIOBUTTON ? ui::ControlKind::RadioButton
        : ui::ControlKind::PushButton;
    t.id = id;
    t.caption = caption;
    t.style = style;
    return createOn(*this, t, rect, parent);
}

bool ScrollBar::Create(std::uint32_t style, const ui::Rect& rect, Window* parent, int id)
{
    ui::ControlTemplate t;
    t.kind = ui::ControlKind::ScrollBar;
    t.id = id;
    t.style = style;
    return createOn(*this, t, rect, parent);
}

void Window::DestroyWindow()
{
    if (!impl_ || !impl_->widget)
        return;
    impl_->stopTimers();
    QWidget* w = impl_->widget;
    impl_->widget.clear();
    delete w;
}

} // namespace vd
