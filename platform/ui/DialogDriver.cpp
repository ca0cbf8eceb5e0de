#include "platform/ui/DialogDriver.h"

#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <stdexcept>

namespace vd {

using ui::qs;


DialogDriver::DialogDriver(Dialog& dialog)
    : dialog_(dialog)
{
}

int DialogDriver::templateId() const
{
    return dialog_.templateId();
}

namespace {

DialogImpl* findPage(const DialogImpl& dialog, int templateId)
{
    for (DialogImpl* child : dialog.children) {
        if (child->tmpl.id == templateId)
            return child;
        if (DialogImpl* nested = findPage(*child, templateId))
            return nested;
    }
    return nullptr;
}

} // namespace

DialogDriver DialogDriver::page(int pageTemplateId) const
{
    auto* d = dynamic_cast<DialogImpl*>(dialog_.impl());
    DialogImpl* page = d ? findPage(*d, pageTemplateId) : nullptr;
    if (!page)
        throw std::runtime_error("dialog " + std::to_string(dialog_.templateId()) + " has no page " +
                                 std::to_string(pageTemplateId));
    return DialogDriver(page->object);
}

Window& DialogDriver::control(int id) const
{
    Window* w = dialog_.GetDlgItem(id);
    if (!w || !w->impl() || !w->impl()->widget)
        throw std::runtime_error("dialog " + std::to_string(dialog_.templateId()) + " has no control " + std::to_string(id));
    return *w;
}

void DialogDriver::focus(int id)
{
    moveFocusTo(*control(id).impl());
}

void DialogDriver::setText(int id, const std::string& text)
{
    focus(id);
    QWidget* w = control(id).impl()->widget;
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(qs(text));
        emit line->textEdited(line->text());
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
        area->setPlainText(qs(text));
    } else if (auto* combo = comboWidgetOf(w); combo && combo->lineEdit()) {
        combo->lineEdit()->setText(qs(text));
        emit combo->lineEdit()->textEdited(combo->lineEdit()->text());
    } else {
        throw std::runtime_error("control " + std::to_string(id) + " takes no text");
    }
}

void DialogDriver::setComboEditText(int id, const std::string& text)
{
    setText(id, text);
}

void DialogDriver::click(int id)
{
    Window& c = control(id);
    auto* button = qobject_cast<QAbstractButton*>(c.impl()->widget.data());
    if (!button)
        throw std::runtime_error("control " + std::to_string(id) + " is not a button");
    if (!button->isEnabled())
        return;
    focus(id);
    button->click();
}

void DialogDriver::doubleClick(int id)
{
    click(id);
    control(id).impl()->notifyParent(BN_DOUBLECLICKED);
}

void DialogDriver::check(int id, bool checked)
{
    if (isChecked(id) != checked)
        click(id);
}

void DialogDriver::selectCombo(int id, int index)
{
    auto* combo = comboWidgetOf(control(id).impl()->widget.data());
    if (!combo)
        throw std::runtime_error("control " + std::to_string(id) + " is not a combo box");
    focus(id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void DialogDriver::selectComboText(int id, const std::string& text)
{
    auto* combo = comboWidgetOf(control(id).impl()->widget.data());
    const int index = combo ? combo->findText(qs(text)) : -1;
    if (index < 0)
        throw std::runtime_error("combo box " + std::to_string(id) + " has no item " + text);
    selectCombo(id, index);
}

void DialogDriver::doubleClickCombo(int id, int index)
{
    selectCombo(id, index);
    QWidget* w = control(id).impl()->widget.data();
    auto* list = w->findChild<QListView*>(QString(), Qt::FindDirectChildrenOnly);
    if (!list)
        throw std::runtime_error("combo box " + std::to_string(id) + " shows no list to double-click");
    auto* combo = comboWidgetOf(w);
    emit list->doubleClicked(combo->model()->index(index, 0));
}

void DialogDriver::selectList(int id, int index)
{
    auto* list = qobject_cast<QListWidget*>(control(id).impl()->widget.data());
    if (!list)
        throw std::runtime_error("control " + std::to_string(id) + " is not a list box");
    focus(id);
    list->setCurrentRow(index);
}

void DialogDriver::doubleClickList(int id, int index)
{
    selectList(id, index);
    auto* list = qobject_cast<QListWidget*>(control(id).impl()->widget.data());
    emit list->itemDoubleClicked(list->item(index));
}

void DialogDriver::selectTab(int id, int index)
{
    auto* tabs = dynamic_cast<TabWidget*>(control(id).impl()->widget.data());
    if (!tabs)
        throw std::runtime_error("control " + std::to_string(id) + " is not a tab control");
    focus(id);
    tabs->bar()->setCurrentIndex(index);
}

void DialogDriver::clickListItem(int id, int item, int subItem)
{
    auto* table = qobject_cast<QTableWidget*>(control(id).impl()->widget.data());
    if (!table)
        throw std::runtime_error("control " + std::to_string(id) + " is not a list view");
    focus(id);
    table->setCurrentCell(item, subItem);
    emit table->cellClicked(item, subItem);
}

void DialogDriver::doubleClickListItem(int id, int item, int subItem)
{
    clickListItem(id, item, subItem);
    auto* table = qobject_cast<QTableWidget*>(control(id).impl()->widget.data());
    emit table->cellDoubleClicked(item, subItem);
}

void DialogDriver::clickColumn(int id, int column)
{
    auto* table = qobject_cast<QTableWidget*>(control(id).impl()->widget.data());
    if (!table)
        throw std::runtime_error("control " + std::to_string(id) + " is not a list view");
    focus(id);
    emit table->horizontalHeader()->sectionClicked(column);
}

void DialogDriver::scroll(int id, int code, int pos)
{
    WindowImpl* c = control(id).impl();
    if (auto* bar = qobject_cast<QScrollBar*>(c->widget.data())) {
        const QSignalBlocker block(bar);
        bar->setSliderPosition(pos);
    }
    c->scrolled(code, pos);
}

void DialogDriver::clickControl(Window& control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widgetOf(&control)); button && button->isEnabled())
        button->click();
}

void DialogDriver::scrollControl(Window& control, int code, int pos)
{
    if (!control.impl())
        return;
    if (auto* bar = qobject_cast<QScrollBar*>(widgetOf(&control))) {
        const QSignalBlocker block(bar);
        bar->setSliderPosition(pos);
    }
    control.impl()->scrolled(code, pos);
}

void DialogDriver::pressEnter()
{
    QWidget* w = dialog_.impl()->widget;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &key);
}

void DialogDriver::pressEscape()
{
    QWidget* w = dialog_.impl()->widget;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &key);
}

void DialogDriver::closeBox()
{
    if (QWidget* w = dialog_.impl() ? dialog_.impl()->widget.data() : nullptr)
        w->close();
}

std::string DialogDriver::text(int id) const
{
    return control(id).GetWindowText();
}

bool DialogDriver::isChecked(int id) const
{
    auto* button = qobject_cast<QAbstractButton*>(control(id).impl()->widget.data());
    return button && button->isChecked();
}

bool DialogDriver::isEnabled(int id) const
{
    return control(id).IsWindowEnabled();
}

bool DialogDriver::isVisible(int id) const
{
    return control(id).IsWindowVisible();
}

std::string DialogDriver::caption() const
{
    return dialog_.GetWindowText();
}

bool DialogDriver::ended() const
{
    auto* d = static_cast<DialogImpl*>(dialog_.impl());
    return !d || !d->running;
}

int DialogDriver::result() const
{
    return dialog_.result();
}

} // namespace vd
