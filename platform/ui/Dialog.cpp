#include "platform/ui/Dialog.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace vd {

using ui::qs;
using ui::us;

// ---- QtDialog

QtDialog::QtDialog(DialogImpl& impl, QWidget* parent, bool child)
    : QDialog(parent), impl_(impl), child_(child)
{
    // A page is a plain child widget of the dialog that holds it.
    if (child)
        setWindowFlags(Qt::Widget);
    else
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void QtDialog::reject()
{
    // Escape: the Cancel command.
    Notify n{IDCANCEL, BN_CLICKED};
    impl_.object.dispatch(n);
}

void QtDialog::accept()
{
    Notify n{IDOK, BN_CLICKED};
    impl_.object.dispatch(n);
}

void QtDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!child_)
        impl_.object.OnClose();
}

void QtDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        impl_.object.OnShowWindow(true);
}

void QtDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        impl_.object.OnShowWindow(false);
}

void QtDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if (child_ && (enter || escape)) {
        // A page hands Enter and Escape to the dialog that holds it.
        event->ignore();
        return;
    }
    if (enter && event->modifiers() == Qt::NoModifier) {
        for (auto* b : findChildren<QPushButton*>())
            if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QtDialog::paintEvent(QPaintEvent* event)
{
    PaintScope scope;
    QDialog::paintEvent(event);
    impl_.object.OnPaint();
}

// ---- DialogImpl

DialogImpl::DialogImpl(Dialog& dialog, const ui::DialogTemplate& t)
    : object(dialog), tmpl(t)
{
    id = t.id;
    style = t.style;
    owner = &dialog;
    text_ = t.caption;
}

DialogImpl::~DialogImpl()
{
    for (auto& c : controls)
        c->dialog = nullptr;
    if (parentDialog)
        std::erase(parentDialog->children, this);
    for (DialogImpl* child : children)
        child->parentDialog = nullptr;
    destroy();
    // A control and its default handle hold each other: the dialog's end releases both.
    for (auto& c : controls) {
        if (c->owner == c->defaultHandle.get())
            c->owner = nullptr;
        c->defaultHandle.reset();
    }
}

QtDialog* DialogImpl::qdialog() const
{
    return static_cast<QtDialog*>(widget.data());
}

WindowImpl* DialogImpl::control(int controlId) const
{
    for (const auto& c : controls)
        if (c->id == controlId && c->widget)
            return c.get();
    return nullptr;
}

WindowImpl* DialogImpl::find(int controlId) const
{
    if (WindowImpl* own = control(controlId))
        return own;
    for (bool visible : {true, false})
        for (DialogImpl* child : children)
            if (child->widget && child->widget->isVisible() == visible)
                if (WindowImpl* found = child->find(controlId))
                    return found;
    return nullptr;
}

std::vector<WindowImpl*> DialogImpl::groupOf(const WindowImpl& c) const
{
    // A group runs from a control with the group style to the next one (template order).
    size_t start = 0;
    for (size_t i = 0; i < controls.size() && static_cast<int>(i) <= c.order; ++i)
        if (controls[i]->style & WS_GROUP)
            start = i;
    std::vector<WindowImpl*> out;
    for (size_t i = start; i < controls.size(); ++i) {
        if (i > start && (controls[i]->style & WS_GROUP))
            break;
        if (controls[i]->kind == ui::ControlKind::RadioButton)
            out.push_back(controls[i].get());
    }
    return out;
}

void DialogImpl::notify(int controlId, int code, int item, int subItem)
{
    if (closing)
        return;
    Notify n{controlId, code, item, subItem};
    object.dispatch(n);
}

std::intptr_t DialogImpl::notifyWithResult(Notify& n)
{
    return closing ? 0 : object.dispatch(n);
}

void DialogImpl::scrolled(WindowImpl& bar, int code, int pos)
{
    if (closing)
        return;
    auto* handle = dynamic_cast<ScrollBar*>(handleOf(&bar));
    if (bar.style & SBS_VERT)
        object.OnVScroll(code, pos, handle);
    else
        object.OnHScroll(code, pos, handle);
}

void DialogImpl::end(int id)
{
    result = id;
    running = false;
    if (QtDialog* d = qdialog()) {
        if (modal && d->isModal())
            d->done(id);
        else
            d->hide();
    }
}

void DialogImpl::destroy()
{
    stopTimers();
    for (auto& c : controls)
        c->stopTimers();
    if (widget) {
        // The pages go with the dialog that holds them.
        std::vector<DialogImpl*> going{this};
        for (size_t i = 0; i < going.size(); ++i)
            for (DialogImpl* child : going[i]->children)
                going.push_back(child);
        for (DialogImpl* d : going)
            d->closing = true;
        QWidget* w = widget.data();
        widget.clear();
        delete w;
        for (DialogImpl* d : going)
            d->closing = false;
    }
}

// ---- Dialog

Dialog::Dialog(int templateId, Window* parent)
    : templateId_(templateId), module_(ui::currentModule()), parent_(parent)
{
}

Dialog::Dialog()
    : module_(ui::currentModule())
{
}

Dialog::~Dialog()
{
    impl_.reset();
    ui::backend().dialogDestroyed(*this);
}

const ui::DialogTemplate* Dialog::dialogTemplate() const
{
    return ui::findTemplate(module_, templateId_);
}

int Dialog::result() const
{
    auto* d = static_cast<DialogImpl*>(impl_.get());
    return d ? d->result : 0;
}

bool Dialog::build(Window* parent, bool modal)
{
    const ui::DialogTemplate* t = dialogTemplate();
    if (!t)
        return false;
    auto impl = std::make_shared<DialogImpl>(*this, *t);
    impl->modal = modal;
    if (parent)
        if (auto* pd = dynamic_cast<DialogImpl*>(parent->impl())) {
            impl->parentDialog = pd;
            if (t->isChild())
                pd->children.push_back(impl.get());
        }
    impl_ = impl;
    buildDialogWindow(*impl, widgetOf(parent));
    if (OnCreate() == -1) {
        impl->destroy();
        impl_.reset();
        return false;
    }
    return true;
}

int Dialog::DoModal()
{
    if (!build(parent_, true))
        return -1;
    auto* d = static_cast<DialogImpl*>(impl_.get());
    d->running = true;
    d->result = 0;
    OnInitDialog();
    int result = d->result;
    if (d->running)
        result = ui::backend().runModal(*this);
    d = static_cast<DialogImpl*>(impl_.get());
    if (d) {
        if (result == 0)
            result = d->result;
        d->destroy();
    }
    return result;
}

bool Dialog::Create(int templateId, Window* parent)
{
    templateId_ = templateId;
    return Create(parent);
}

bool Dialog::Create(Window* parent)
{
    if (impl_ && impl_->widget)
        return false;
    if (parent)
        parent_ = parent;
    if (!build(parent_, false))
        return false;
    auto* d = static_cast<DialogImpl*>(impl_.get());
    d->running = true;
    OnInitDialog();
    if (d->widget && (d->tmpl.style & WS_VISIBLE))
        d->widget->show();
    if (!d->tmpl.isChild())
        ui::backend().modelessCreated(*this);
    return true;
}

bool createDialogInside(Dialog& dialog, QWidget* host)
{
    const ui::DialogTemplate* t = dialog.dialogTemplate();
    if (!t)
        return false;
    auto impl = std::make_shared<DialogImpl>(dialog, *t);
    dialog.impl_ = impl;
    buildDialogWindow(*impl, host);
    impl->running = true;
    dialog.OnInitDialog();
    if (impl->widget)
        impl->widget->show();
    return true;
}

void Dialog::DestroyWindow()
{
    if (auto* d = static_cast<DialogImpl*>(impl_.get()))
        d->destroy();
}

void Dialog::EndDialog(int result)
{
    if (auto* d = static_cast<DialogImpl*>(impl_.get()))
        d->end(result);
}

bool Dialog::UpdateData(bool saveAndValidate)
{
    if (!impl_ || !impl_->widget)
        return false;
    DataExchange dx(*this, saveAndValidate);
    try {
        DoDataExchange(dx);
    } catch (const DataExchangeFailure&) {
        if (Window* w = GetDlgItem(dx.lastControl)) {
            w->SetFocus();
            if (auto* e = dynamic_cast<Edit*>(w))
                e->SetSel(0, -1);
        }
        return false;
    }
    return true;
}

bool Dialog::SubclassDlgItem(int id, Window& control)
{
    auto* d = dynamic_cast<DialogImpl*>(impl_.get());
    if (!d)
        return false;
    for (auto& c : d->controls)
        if (c->id == id) {
            control.attach(c);
            return true;
        }
    return false;
}

int Dialog::focusedControl() const
{
    auto* d = dynamic_cast<DialogImpl*>(impl_.get());
    return d ? d->focusedId : 0;
}

int Dialog::OnCreate()
{
    return 0;
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnShowWindow(bool) {}

void Dialog::OnClose()
{
    OnCancel();
}

void Dialog::OnPaint() {}

void Dialog::OnVScroll(int, int, ScrollBar*) {}

void Dialog::OnHScroll(int, int, ScrollBar*) {}

void Dialog::OnControl(int code, int id, std::function<void()> handler)
{
    handlers_.push_back({code, id, id, [h = std::move(handler)](Notify&) { h(); }});
}

void Dialog::OnControlRange(int code, int firstId, int lastId, std::function<void(int)> handler)
{
    handlers_.push_back({code, firstId, lastId, [h = std::move(handler)](Notify& n) { h(n.id); }});
}

void Dialog::OnNotify(int code, int id, std::function<void(Notify&)> handler)
{
    handlers_.push_back({code, id, id, std::move(handler)});
}

std::intptr_t Dialog::dispatch(Notify& notify)
{
    for (auto& h : handlers_)
        if (h.code == notify.code && notify.id >= h.first && notify.id <= h.last) {
            h.run(notify);
            return notify.result;
        }
    if (notify.code == BN_CLICKED && notify.id == IDOK)
        OnOK();
    else if (notify.code == BN_CLICKED && notify.id == IDCANCEL)
        OnCancel();
    return notify.result;
}

} // namespace vd
