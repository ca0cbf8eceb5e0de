// The controls of a dialog on Qt widgets, with the old platform's semantics: radio groups by the
// group style, auto and non-auto buttons, combo and list boxes with sorted insertion and prefix
// search, report list views, tab controls that ask before changing, and scroll bars.
#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QVBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QTableWidget>

namespace vd {

using ui::ControlKind;
using ui::qs;
using ui::us;

namespace {

// Statics show "&" mnemonics without underlining; "&&" is a literal "&".
QString withoutMnemonics(const std::string& text)
{
    QString out;
    const QString s = qs(text);
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&') {
            if (i + 1 < s.size() && s[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += s[i];
    }
    return out;
}

QString forEdit(const std::string& text)
{
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string fromEdit(const QString& text, bool multiLine)
{
    QString s = text;
    if (multiLine)
        s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return us(s);
}

// Where a sorted list inserts a text: after the last item that does not sort after it.
int sortedPosition(const QStringList& items, const QString& text)
{
    int pos = 0;
    while (pos < items.size() && QString::compare(items[pos], text, Qt::CaseInsensitive) <= 0)
        ++pos;
    return pos;
}

int findIn(const QStringList& items, int start, const QString& text, bool exact)
{
    const int n = static_cast<int>(items.size());
    if (n == 0)
        return -1;
    const int from = (start < -1 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (from + k) % n;
        const bool hit = exact ? QString::compare(items[i], text, Qt::CaseInsensitive) == 0
                               : items[i].startsWith(text, Qt::CaseInsensitive);
        if (hit)
            return i;
    }
    return -1;
}

// Edits report losing the focus (before the command of the button that took it) and gaining it.
class FocusWatcher : public QObject {
public:
    FocusWatcher(WindowImpl& control, int setCode, int killCode, QObject* parent)
        : QObject(parent), control_(control), setCode_(setCode), killCode_(killCode) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && control_.dialog) {
            if (control_.dialog->focusedId == control_.id)
                return false;
            control_.dialog->focusedId = control_.id;
            if (setCode_ >= 0)
                control_.dialog->notify(control_.id, setCode_);
        } else if (event->type() == QEvent::FocusOut && control_.dialog) {
            if (control_.dialog->focusedId != control_.id)
                return false;
            control_.dialog->focusedId = 0;
            if (killCode_ >= 0)
                control_.dialog->notify(control_.id, killCode_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    WindowImpl& control_;
    int setCode_;
    int killCode_;
};

// Buttons and other controls take part in the focus tracking without notifications of their own.
void watchFocus(WindowImpl& control, QWidget* w, int setCode = -1, int killCode = -1)
{
    // Owned by the widget, so it goes with it.
    w->installEventFilter(new FocusWatcher(control, setCode, killCode, w));
}

class StaticImpl : public WindowImpl {
public:
    void setText(const std::string& text) override
    {
        text_ = text;
        if (auto* label = qobject_cast<QLabel*>(widget.data()))
            label->setText(withoutMnemonics(text));
    }
};

class GroupBoxImpl : public WindowImpl {
public:
    void setText(const std::string& text) override
    {
        text_ = text;
        if (auto* box = qobject_cast<QGroupBox*>(widget.data()))
            box->setTitle(qs(text));
    }
};

class ButtonImpl : public WindowImpl {
public:
    void setText(const std::string& text) override
    {
        text_ = text;
        if (auto* b = qobject_cast<QAbstractButton*>(widget.data()))
            b->setText(qs(text));
    }
};

class EditImpl : public WindowImpl {
public:
    bool multiLine() const { return (style & ES_MULTILINE) != 0; }
    void setText(const std::string& text) override
    {
        if (auto* line = qobject_cast<QLineEdit*>(widget.data()))
            line->setText(forEdit(text));
        else if (auto* area = qobject_cast<QPlainTextEdit*>(widget.data()))
            area->setPlainText(forEdit(text));
    }
    std::string text() const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(widget.data()))
            return us(line->text());
        if (auto* area = qobject_cast<QPlainTextEdit*>(widget.data()))
            return fromEdit(area->toPlainText(), true);
        return {};
    }
};

class ComboImpl : public WindowImpl {
public:
    QComboBox* combo() const { return comboWidgetOf(widget.data()); }
    void setText(const std::string& text) override
    {
        if (auto* c = combo(); c && c->isEditable())
            c->setEditText(qs(text));
    }
    std::string text() const override
    {
        auto* c = combo();
        if (!c)
            return {};
        return c->isEditable() || c->currentIndex() >= 0 ? us(c->currentText()) : std::string();
    }
};

class ListImpl : public WindowImpl {
public:
    std::string text() const override
    {
        auto* l = qobject_cast<QListWidget*>(widget.data());
        return l && l->currentItem() ? us(l->currentItem()->text()) : std::string();
    }
};


std::unique_ptr<Window> handleFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::GroupBox: return std::make_unique<Static>();
    case ControlKind::Edit: return std::make_unique<Edit>();
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return std::make_unique<Button>();
    case ControlKind::ComboBox: return std::make_unique<ComboBox>();
    case ControlKind::ListBox: return std::make_unique<ListBox>();
    case ControlKind::ListView: return std::make_unique<ListCtrl>();
    case ControlKind::TabControl: return std::make_unique<TabCtrl>();
    case ControlKind::ScrollBar: return std::make_unique<ScrollBar>();
    case ControlKind::Painted: return std::make_unique<PaintedControl>();
    case ControlKind::Icon: return std::make_unique<Static>();
    }
    return std::make_unique<Window>();
}

bool isAuto(const WindowImpl& c)
{
    const auto type = c.style & BS_TYPEMASK;
    if (c.kind == ControlKind::CheckBox)
        return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE;
    if (c.kind == ControlKind::RadioButton)
        return type == BS_AUTORADIOBUTTON;
    return false;
}

void wireButton(WindowImpl& c, QAbstractButton* b)
{
    QObject::connect(b, &QAbstractButton::clicked, b, [&c, b](bool checked) {
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
            if (!isAuto(c)) {
                // The program checks and clears these itself: undo Qt's own toggle.
                const QSignalBlocker block(b);
                b->setChecked(!checked);
            } else if (c.kind == ControlKind::RadioButton && c.dialog) {
                const QSignalBlocker block(b);
                b->setChecked(true);
                for (WindowImpl* other : c.dialog->groupOf(c))
                    if (other != &c)
                        if (auto* ob = qobject_cast<QAbstractButton*>(other->widget.data())) {
                            const QSignalBlocker blockOther(ob);
                            ob->setChecked(false);
                        }
            }
        }
        c.notifyParent(BN_CLICKED);
    });
}

} // namespace

QComboBox* comboWidgetOf(QWidget* w)
{
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo;
    return w ? w->findChild<QComboBox*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The tab control: a row of tabs over a framed display area; pages are sibling dialogs placed
// over it. A change asks TCN_SELCHANGING first (the current selection still the old one), which
// may refuse it, then reports TCN_SELCHANGE.
TabWidget::TabWidget(WindowImpl& control, QWidget* parent)
    : QWidget(parent), control_(control), bar_(new QTabBar(this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    // Tabs as narrow as the old platform's (text and a few pixels each side): the templates
    // give a row of tabs no more room than that, and wider ones hide behind scroll arrows.
    bar_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { changed(index); });
}

int TabWidget::current() const
{
    return current_;
}

void TabWidget::select(int index)
{
    const QSignalBlocker block(bar_);
    bar_->setCurrentIndex(index);
    current_ = bar_->currentIndex();
}

int TabWidget::insert(int index, const QString& text)
{
    const QSignalBlocker block(bar_);
    const int at = bar_->insertTab(index, text);
    current_ = bar_->currentIndex();
    return at;
}

void TabWidget::clear()
{
    const QSignalBlocker block(bar_);
    while (bar_->count() > 0)
        bar_->removeTab(0);
    current_ = -1;
}

QRect TabWidget::displayRect() const
{
    return QRect(4, bar_->sizeHint().height() + 2, std::max(0, width() - 8), std::max(0, height() - bar_->sizeHint().height() - 6));
}

void TabWidget::changed(int index)
{
    if (index == current_)
        return;
    if (control_.dialog) {
        Notify changing{control_.id, TCN_SELCHANGING};
        if (control_.dialog->notifyWithResult(changing) != 0) {
            const QSignalBlocker block(bar_);
            bar_->setCurrentIndex(current_);
            return;
        }
    }
    current_ = index;
    if (control_.dialog)
        control_.dialog->notify(control_.id, TCN_SELCHANGE);
}

void TabWidget::resizeEvent(QResizeEvent*)
{
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
}

void TabWidget::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, bar_->sizeHint().height() - 1, width(), height() - bar_->sizeHint().height() + 1);
    frame.tabBarSize = bar_->sizeHint();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

// A control that the system paints itself: its look is its back buffer, painted by its
// painter when it has one (Painting.cpp).
PaintedWidget::PaintedWidget(WindowImpl& control, QWidget* parent)
    : QFrame(parent), control_(control)
{
    if (control.style & SS_SUNKEN)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    control.paintsOwnBuffer = true;
}

namespace {

// 1. The control's own record, by kind.
std::shared_ptr<WindowImpl> makeControlRecord(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Static: return std::make_shared<StaticImpl>();
    case ControlKind::GroupBox: return std::make_shared<GroupBoxImpl>();
    case ControlKind::Edit: return std::make_shared<EditImpl>();
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return std::make_shared<ButtonImpl>();
    case ControlKind::ComboBox: return std::make_shared<ComboImpl>();
    case ControlKind::ListBox: return std::make_shared<ListImpl>();
    case ControlKind::ListView:
    case ControlKind::TabControl:
    case ControlKind::ScrollBar:
    case ControlKind::Painted:
    case ControlKind::Icon: return std::make_shared<WindowImpl>();
    }
    return nullptr;
}

QWidget* createStaticWidget(const ui::ControlTemplate& t, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const auto align = t.style & 0x3;
    label->setAlignment((align == SS_CENTER ? Qt::AlignHCenter : align == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(align != 0xC);
    if (t.style & SS_SUNKEN)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* createEditWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    QWidget* w = nullptr;
    if (t.style & ES_MULTILINE) {
        auto* area = new QPlainTextEdit(parent);
        area->setReadOnly(t.style & ES_READONLY);
        area->setLineWrapMode((t.style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        QObject::connect(area, &QPlainTextEdit::textChanged, area, [&ref] {
            ref.notifyParent(EN_CHANGE);
        });
        w = area;
    } else {
        auto* line = new QLineEdit(parent);
        line->setReadOnly(t.style & ES_READONLY);
        QObject::connect(line, &QLineEdit::textChanged, line, [&ref] {
            ref.notifyParent(EN_CHANGE);
        });
        w = line;
    }
    watchFocus(ref, w, EN_SETFOCUS, EN_KILLFOCUS);
    return w;
}

QWidget* createPushButtonWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    b->setDefault((t.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    wireButton(ref, b);
    watchFocus(ref, b);
    return b;
}

QWidget* createCheckableWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    QAbstractButton* b;
    if (t.style & BS_PUSHLIKE) {
        auto* pb = new QPushButton(parent);
        pb->setAutoDefault(false);
        b = pb;
    } else if (t.kind == ControlKind::CheckBox) {
        b = new QCheckBox(parent);
    } else {
        b = new QRadioButton(parent);
    }
    b->setCheckable(true);
    b->setAutoExclusive(false);
    wireButton(ref, b);
    watchFocus(ref, b);
    return b;
}

// The simple style: an edit field over a list that is always shown.
QComboBox* createSimpleCombo(WindowImpl& ref, QWidget* holder)
{
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* combo = new QComboBox(holder);
    combo->setEditable(true);
    combo->setStyleSheet(QStringLiteral("QComboBox::drop-down { width: 0px; border: 0px; }"));
    auto* list = new QListView(holder);
    list->setModel(combo->model());
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(combo);
    layout->addWidget(list, 1);
    QObject::connect(list, &QListView::clicked, combo, [&ref, combo](const QModelIndex& index) {
        combo->setCurrentIndex(index.row());
        ref.notifyParent(CBN_SELCHANGE);
    });
    QObject::connect(list, &QListView::doubleClicked, combo, [&ref, combo](const QModelIndex& index) {
        combo->setCurrentIndex(index.row());
        ref.notifyParent(CBN_DBLCLK);
    });
    QObject::connect(combo, &QComboBox::currentIndexChanged, list, [list, combo](int index) {
        list->setCurrentIndex(combo->model()->index(index, 0));
    });
    return combo;
}

QWidget* createComboWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    const auto type = t.style & 0x3;
    QWidget* holder = nullptr;
    QComboBox* combo;
    if (type == CBS_SIMPLE) {
        holder = new QWidget(parent);
        combo = createSimpleCombo(ref, holder);
    } else {
        combo = new QComboBox(parent);
        combo->setEditable(type == CBS_DROPDOWN);
    }
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::activated, combo, [&ref](int) {
        ref.notifyParent(CBN_SELCHANGE);
    });
    if (combo->lineEdit()) {
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [&ref] {
            ref.notifyParent(CBN_EDITCHANGE);
        });
        watchFocus(ref, combo->lineEdit(), -1, CBN_KILLFOCUS);
        // A text the program puts into the field shows from its start (a long path its
        // drive and folders, not the tail of its file name); typing keeps the cursor.
        QObject::connect(combo, &QComboBox::editTextChanged, combo, [combo] {
            if (!combo->lineEdit()->hasFocus())
                combo->lineEdit()->setCursorPosition(0);
        });
    } else {
        watchFocus(ref, combo, -1, CBN_KILLFOCUS);
    }
    if (t.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))
        installOwnerDraw(ref, combo);
    return holder ? holder : combo;
}

QWidget* createListBoxWidget(WindowImpl& ref, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [&ref, list] {
        if ((ref.style & LBS_NOTIFY) && !list->property("vdProgrammatic").toBool())
            ref.notifyParent(LBN_SELCHANGE);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [&ref] {
        if (ref.style & LBS_NOTIFY)
            ref.notifyParent(LBN_DBLCLK);
    });
    watchFocus(ref, list);
    return list;
}

QWidget* createListViewWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode((t.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection : QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionsClickable(true);
    QObject::connect(table, &QTableWidget::cellClicked, table, [&ref](int row, int column) {
        ref.notifyParent(NM_CLICK, row, column);
    });
    QObject::connect(table, &QTableWidget::cellDoubleClicked, table, [&ref](int row, int column) {
        ref.notifyParent(NM_DBLCLK, row, column);
    });
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionClicked, table, [&ref](int column) {
        ref.notifyParent(LVN_COLUMNCLICK, -1, column);
    });
    watchFocus(ref, table);
    return table;
}

QWidget* createScrollBarWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    auto* bar = new QScrollBar((t.style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(0, 0);
    bar->setPageStep(1);
    QObject::connect(bar, &QScrollBar::actionTriggered, bar, [&ref, bar](int action) {
        int code = -1;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
        case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
        case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
        case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
        default: return;
        }
        ref.scrolled(code, bar->sliderPosition());
    });
    QObject::connect(bar, &QScrollBar::sliderReleased, bar, [&ref, bar] {
        ref.scrolled(SB_THUMBPOSITION, bar->sliderPosition());
    });
    return bar;
}

QWidget* createIconWidget(QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QIcon program = QApplication::windowIcon();
    if (!program.isNull())
        label->setPixmap(program.pixmap(32, 32));
    label->setMinimumSize(32, 32);
    return label;
}

// 2. The widget, by kind, wired to notify the dialog.
QWidget* createControlWidget(WindowImpl& ref, const ui::ControlTemplate& t, QWidget* parent)
{
    switch (t.kind) {
    case ControlKind::Static: return createStaticWidget(t, parent);
    case ControlKind::GroupBox: return new QGroupBox(parent);
    case ControlKind::Edit: return createEditWidget(ref, t, parent);
    case ControlKind::PushButton: return createPushButtonWidget(ref, t, parent);
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return createCheckableWidget(ref, t, parent);
    case ControlKind::ComboBox: return createComboWidget(ref, t, parent);
    case ControlKind::ListBox: return createListBoxWidget(ref, parent);
    case ControlKind::ListView: return createListViewWidget(ref, t, parent);
    case ControlKind::TabControl: return new TabWidget(ref, parent);
    case ControlKind::ScrollBar: return createScrollBarWidget(ref, t, parent);
    case ControlKind::Painted: return new PaintedWidget(ref, parent);
    case ControlKind::Icon: return createIconWidget(parent);
    }
    return nullptr;
}

// 3. The widget joined to its control: look, id, state, handle, caption and items.
void attachControlWidget(const std::shared_ptr<WindowImpl>& c, const ui::ControlTemplate& t, QWidget* w)
{
    c->widget = w;
    // Opaque controls: repainting one never repaints the dialog under it (whose OnPaint may
    // itself invalidate controls).
    w->setAutoFillBackground(true);
    w->setProperty("vdControlId", t.id);
    if (t.style & WS_DISABLED)
        w->setEnabled(false);
    c->defaultHandle->attach(c);
    // The default handle holds its control only while the widget lives; afterwards the control
    // goes when its last other holder lets go (the two would otherwise keep each other forever).
    QObject::connect(w, &QObject::destroyed, [weak = std::weak_ptr<WindowImpl>(c)] {
        if (const auto control = weak.lock(); control && control->defaultHandle)
            control->defaultHandle->attach(nullptr);
    });
    c->setText(t.caption);
    if (!t.items.empty()) {
        auto* handle = c->defaultHandle.get();
        for (const auto& item : t.items) {
            if (auto* combo = dynamic_cast<ComboBox*>(handle))
                combo->AddString(item);
            else if (auto* list = dynamic_cast<ListBox*>(handle))
                list->AddString(item);
        }
    }
    c->owner = c->defaultHandle.get();
}

} // namespace

std::shared_ptr<WindowImpl> createControl(DialogImpl* dialog, const ui::ControlTemplate& t, int order, QWidget* parent)
{
    std::shared_ptr<WindowImpl> c = makeControlRecord(t.kind);
    c->id = t.id;
    c->isControl = true;
    c->kind = t.kind;
    c->style = t.style;
    c->dialog = dialog;
    c->order = order;
    c->defaultHandle = handleFor(t.kind);
    c->owner = c->defaultHandle.get();
    attachControlWidget(c, t, createControlWidget(*c, t, parent));
    return c;
}

// ---- Button

void Button::SetCheck(int check)
{
    if (auto* b = qobject_cast<QAbstractButton*>(widgetOf(this))) {
        const QSignalBlocker block(b);
        b->setChecked(check == BST_CHECKED);
    }
}

int Button::GetCheck() const
{
    auto* b = qobject_cast<QAbstractButton*>(widgetOf(this));
    return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

// ---- Edit

void Edit::SetReadOnly(bool readOnly)
{
    if (auto* line = qobject_cast<QLineEdit*>(widgetOf(this)))
        line->setReadOnly(readOnly);
    else if (auto* area = qobject_cast<QPlainTextEdit*>(widgetOf(this)))
        area->setReadOnly(readOnly);
}

void Edit::SetSel(int start, int end)
{
    if (auto* line = qobject_cast<QLineEdit*>(widgetOf(this))) {
        if (start == 0 && end == -1)
            line->selectAll();
        else if (start == -1)
            line->deselect();
        else
            line->setSelection(start, end - start);
    }
}

void Edit::ReplaceSel(const std::string& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(widgetOf(this)))
        line->insert(qs(text));
    else if (auto* area = qobject_cast<QPlainTextEdit*>(widgetOf(this)))
        area->insertPlainText(forEdit(text));
}

int Edit::GetLineCount() const
{
    if (auto* area = qobject_cast<QPlainTextEdit*>(widgetOf(this)))
        return area->blockCount();
    return widgetOf(this) ? 1 : 0;
}

void Edit::SetLimitText(int maxBytes)
{
    if (auto* line = qobject_cast<QLineEdit*>(widgetOf(this)))
        line->setMaxLength(maxBytes > 0 ? maxBytes : 32767);
}

// ---- ComboBox

namespace {

QComboBox* comboOf(const Window* w)
{
    return comboWidgetOf(widgetOf(w));
}

QStringList itemsOf(const QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

} // namespace

int ComboBox::AddString(const std::string& text)
{
    auto* c = comboOf(this);
    if (!c)
        return CB_ERR;
    const QSignalBlocker block(c);
    const int at = (GetStyle() & CBS_SORT) ? sortedPosition(itemsOf(c), qs(text)) : c->count();
    const QString current = c->isEditable() ? c->currentText() : QString();
    const int sel = c->currentIndex();
    c->insertItem(at, qs(text));
    // Adding never changes the selection or the edit field.
    c->setCurrentIndex(sel < 0 ? -1 : (at <= sel ? sel + 1 : sel));
    if (c->isEditable())
        c->setEditText(current);
    return at;
}

int ComboBox::InsertString(int index, const std::string& text)
{
    auto* c = comboOf(this);
    if (!c)
        return CB_ERR;
    const QSignalBlocker block(c);
    const int at = (index < 0 || index > c->count()) ? c->count() : index;
    const int sel = c->currentIndex();
    const QString current = c->isEditable() ? c->currentText() : QString();
    c->insertItem(at, qs(text));
    c->setCurrentIndex(sel < 0 ? -1 : (at <= sel ? sel + 1 : sel));
    if (c->isEditable())
        c->setEditText(current);
    return at;
}

int ComboBox::DeleteString(int index)
{
    auto* c = comboOf(this);
    if (!c || index < 0 || index >= c->count())
        return CB_ERR;
    const QSignalBlocker block(c);
    c->removeItem(index);
    return c->count();
}

void ComboBox::ResetContent()
{
    if (auto* c = comboOf(this)) {
        const QSignalBlocker block(c);
        c->clear();
        if (c->isEditable())
            c->setEditText(QString());
    }
}

int ComboBox::GetCount() const
{
    auto* c = comboOf(this);
    return c ? c->count() : CB_ERR;
}

int ComboBox::GetCurSel() const
{
    auto* c = comboOf(this);
    if (!c)
        return CB_ERR;
    // An edit field whose text no longer matches the selected item has no selection.
    if (c->isEditable() && c->currentIndex() >= 0 && c->currentText() != c->itemText(c->currentIndex()))
        return CB_ERR;
    return c->currentIndex();
}

int ComboBox::SetCurSel(int index)
{
    auto* c = comboOf(this);
    if (!c)
        return CB_ERR;
    const QSignalBlocker block(c);
    if (index < 0 || index >= c->count()) {
        c->setCurrentIndex(-1);
        if (c->isEditable())
            c->setEditText(QString());
        return CB_ERR;
    }
    c->setCurrentIndex(index);
    return index;
}

std::string ComboBox::GetLBText(int index) const
{
    auto* c = comboOf(this);
    return c && index >= 0 && index < c->count() ? us(c->itemText(index)) : std::string();
}

int ComboBox::GetLBTextLen(int index) const
{
    auto* c = comboOf(this);
    return c && index >= 0 && index < c->count() ? static_cast<int>(GetLBText(index).size()) : CB_ERR;
}

int ComboBox::FindString(int start, const std::string& prefix) const
{
    auto* c = comboOf(this);
    return c ? findIn(itemsOf(c), start, qs(prefix), false) : CB_ERR;
}

int ComboBox::FindStringExact(int start, const std::string& text) const
{
    auto* c = comboOf(this);
    return c ? findIn(itemsOf(c), start, qs(text), true) : CB_ERR;
}

int ComboBox::SelectString(int start, const std::string& prefix)
{
    const int found = FindString(start, prefix);
    if (found >= 0)
        SetCurSel(found);
    return found;
}

int ComboBox::SetItemData(int index, std::uintptr_t data)
{
    auto* c = comboOf(this);
    if (!c || index < 0 || index >= c->count())
        return CB_ERR;
    c->setItemData(index, QVariant::fromValue<qulonglong>(data), Qt::UserRole);
    c->update();
    return 0;
}

std::uintptr_t ComboBox::GetItemData(int index) const
{
    auto* c = comboOf(this);
    if (!c || index < 0 || index >= c->count())
        return static_cast<std::uintptr_t>(-1);
    return static_cast<std::uintptr_t>(c->itemData(index, Qt::UserRole).toULongLong());
}

void ComboBox::SetItemHeight(int height)
{
    if (auto* c = comboOf(this))
        c->setProperty("vdItemHeight", height);
}

void ComboBox::DrawItem(DrawItemInfo&) {}

int ComboBox::MeasureItem(int)
{
    auto* c = comboOf(this);
    const QVariant h = c ? c->property("vdItemHeight") : QVariant();
    return h.isValid() ? h.toInt() : 16;
}

int ComboBox::CompareItem(std::uintptr_t first, std::uintptr_t second)
{
    return first < second ? -1 : first > second ? 1 : 0;
}

// ---- ListBox

namespace {

QListWidget* listOf(const Window* w)
{
    return qobject_cast<QListWidget*>(widgetOf(w));
}

QStringList itemsOf(const QListWidget* l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

struct Programmatic {
    explicit Programmatic(QListWidget* l) : list(l) { list->setProperty("vdProgrammatic", true); }
    ~Programmatic() { list->setProperty("vdProgrammatic", false); }
    QListWidget* list;
};

} // namespace

int ListBox::AddString(const std::string& text)
{
    auto* l = listOf(this);
    if (!l)
        return LB_ERR;
    Programmatic guard(l);
    const int at = (GetStyle() & LBS_SORT) ? sortedPosition(itemsOf(l), qs(text)) : l->count();
    l->insertItem(at, qs(text));
    return at;
}

int ListBox::InsertString(int index, const std::string& text)
{
    auto* l = listOf(this);
    if (!l)
        return LB_ERR;
    Programmatic guard(l);
    const int at = (index < 0 || index > l->count()) ? l->count() : index;
    l->insertItem(at, qs(text));
    return at;
}

int ListBox::DeleteString(int index)
{
    auto* l = listOf(this);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    Programmatic guard(l);
    delete l->takeItem(index);
    return l->count();
}

void ListBox::ResetContent()
{
    if (auto* l = listOf(this)) {
        Programmatic guard(l);
        l->clear();
    }
}

int ListBox::GetCount() const
{
    auto* l = listOf(this);
    return l ? l->count() : LB_ERR;
}

int ListBox::GetCurSel() const
{
    auto* l = listOf(this);
    if (!l)
        return LB_ERR;
    const auto selected = l->selectedItems();
    return selected.isEmpty() ? LB_ERR : l->row(selected.front());
}

int ListBox::SetCurSel(int index)
{
    auto* l = listOf(this);
    if (!l)
        return LB_ERR;
    Programmatic guard(l);
    if (index < 0 || index >= l->count()) {
        l->clearSelection();
        l->setCurrentRow(-1);
        return LB_ERR;
    }
    l->setCurrentRow(index);
    return index;
}

std::string ListBox::GetText(int index) const
{
    auto* l = listOf(this);
    return l && index >= 0 && index < l->count() ? us(l->item(index)->text()) : std::string();
}

int ListBox::FindString(int start, const std::string& prefix) const
{
    auto* l = listOf(this);
    return l ? findIn(itemsOf(l), start, qs(prefix), false) : LB_ERR;
}

int ListBox::FindStringExact(int start, const std::string& text) const
{
    auto* l = listOf(this);
    return l ? findIn(itemsOf(l), start, qs(text), true) : LB_ERR;
}

int ListBox::SetItemData(int index, std::uintptr_t data)
{
    auto* l = listOf(this);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    l->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    return 0;
}

std::uintptr_t ListBox::GetItemData(int index) const
{
    auto* l = listOf(this);
    if (!l || index < 0 || index >= l->count())
        return static_cast<std::uintptr_t>(-1);
    return static_cast<std::uintptr_t>(l->item(index)->data(Qt::UserRole).toULongLong());
}

int ListBox::GetTopIndex() const
{
    auto* l = listOf(this);
    if (!l || l->count() == 0)
        return 0;
    const QModelIndex top = l->indexAt(QPoint(2, 2));
    return top.isValid() ? top.row() : 0;
}

int ListBox::SetTopIndex(int index)
{
    auto* l = listOf(this);
    if (!l || index < 0 || index >= l->count())
        return LB_ERR;
    l->scrollToItem(l->item(index), QAbstractItemView::PositionAtTop);
    return 0;
}

// ---- ListCtrl

namespace {

QTableWidget* tableOf(const Window* w)
{
    return qobject_cast<QTableWidget*>(widgetOf(w));
}

} // namespace

int ListCtrl::InsertColumn(int column, const std::string& heading, int format, int width)
{
    auto* t = tableOf(this);
    if (!t)
        return -1;
    const int at = std::clamp(column, 0, t->columnCount());
    t->insertColumn(at);
    auto* header = new QTableWidgetItem(qs(heading));
    header->setTextAlignment((format == LVCFMT_RIGHT ? Qt::AlignRight : format == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    header->setData(Qt::UserRole, format);
    t->setHorizontalHeaderItem(at, header);
    if (width >= 0)
        t->setColumnWidth(at, width);
    return at;
}

bool ListCtrl::DeleteColumn(int column)
{
    auto* t = tableOf(this);
    if (!t || column < 0 || column >= t->columnCount())
        return false;
    t->removeColumn(column);
    return true;
}

int ListCtrl::GetColumnCount() const
{
    auto* t = tableOf(this);
    return t ? t->columnCount() : 0;
}

bool ListCtrl::SetColumnWidth(int column, int width)
{
    auto* t = tableOf(this);
    if (!t || column < 0 || column >= t->columnCount())
        return false;
    t->setColumnWidth(column, width);
    return true;
}

int ListCtrl::GetColumnWidth(int column) const
{
    auto* t = tableOf(this);
    return t && column >= 0 && column < t->columnCount() ? t->columnWidth(column) : 0;
}

std::string ListCtrl::GetColumnText(int column) const
{
    auto* t = tableOf(this);
    if (!t || column < 0 || column >= t->columnCount() || !t->horizontalHeaderItem(column))
        return {};
    return us(t->horizontalHeaderItem(column)->text());
}

int ListCtrl::InsertItem(int item, const std::string& text)
{
    auto* t = tableOf(this);
    if (!t)
        return -1;
    const int at = std::clamp(item, 0, t->rowCount());
    t->insertRow(at);
    SetItemText(at, 0, text);
    return at;
}

bool ListCtrl::SetItemText(int item, int subItem, const std::string& text)
{
    auto* t = tableOf(this);
    if (!t || item < 0 || item >= t->rowCount() || subItem < 0 || subItem >= t->columnCount())
        return false;
    auto* cell = new QTableWidgetItem(qs(text));
    if (auto* header = t->horizontalHeaderItem(subItem)) {
        const int format = header->data(Qt::UserRole).toInt();
        cell->setTextAlignment((format == LVCFMT_RIGHT ? Qt::AlignRight : format == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    t->setItem(item, subItem, cell);
    return true;
}

std::string ListCtrl::GetItemText(int item, int subItem) const
{
    auto* t = tableOf(this);
    if (!t || item < 0 || item >= t->rowCount() || subItem < 0 || subItem >= t->columnCount() || !t->item(item, subItem))
        return {};
    return us(t->item(item, subItem)->text());
}

bool ListCtrl::DeleteItem(int item)
{
    auto* t = tableOf(this);
    if (!t || item < 0 || item >= t->rowCount())
        return false;
    t->removeRow(item);
    return true;
}

bool ListCtrl::DeleteAllItems()
{
    auto* t = tableOf(this);
    if (!t)
        return false;
    t->setRowCount(0);
    return true;
}

int ListCtrl::GetItemCount() const
{
    auto* t = tableOf(this);
    return t ? t->rowCount() : 0;
}

std::uint32_t ListCtrl::SetExtendedStyle(std::uint32_t style)
{
    auto* t = tableOf(this);
    if (!t)
        return 0;
    const std::uint32_t old = GetExtendedStyle();
    t->setProperty("vdExStyle", style);
    t->setShowGrid(style & LVS_EX_GRIDLINES);
    t->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    t->horizontalHeader()->setSectionsMovable(style & LVS_EX_HEADERDRAGDROP);
    return old;
}

std::uint32_t ListCtrl::GetExtendedStyle() const
{
    auto* t = tableOf(this);
    return t ? t->property("vdExStyle").toUInt() : 0;
}

bool ListCtrl::SetTextBkColor(std::uint32_t colour)
{
    auto* t = tableOf(this);
    if (!t)
        return false;
    t->setProperty("vdTextBk", colour);
    QPalette p = t->palette();
    p.setColor(QPalette::Base, ui::toQColor(colour));
    t->setPalette(p);
    return true;
}

std::uint32_t ListCtrl::GetTextBkColor() const
{
    auto* t = tableOf(this);
    const QVariant v = t ? t->property("vdTextBk") : QVariant();
    return v.isValid() ? v.toUInt() : 0x00FFFFFFu;
}

bool ListCtrl::SetBkColor(std::uint32_t colour)
{
    auto* t = tableOf(this);
    if (!t)
        return false;
    QPalette p = t->palette();
    p.setColor(QPalette::Window, ui::toQColor(colour));
    t->setPalette(p);
    return true;
}

bool ListCtrl::SetTextColor(std::uint32_t colour)
{
    auto* t = tableOf(this);
    if (!t)
        return false;
    QPalette p = t->palette();
    p.setColor(QPalette::Text, ui::toQColor(colour));
    t->setPalette(p);
    return true;
}

int ListCtrl::GetSelectionMark() const
{
    auto* t = tableOf(this);
    return t ? t->currentRow() : -1;
}

// ---- TabCtrl

namespace {

TabWidget* tabsOf(const Window* w)
{
    return dynamic_cast<TabWidget*>(widgetOf(w));
}

} // namespace

int TabCtrl::InsertItem(int item, const std::string& text)
{
    auto* t = tabsOf(this);
    return t ? t->insert(item, qs(text)) : -1;
}

bool TabCtrl::DeleteAllItems()
{
    auto* t = tabsOf(this);
    if (!t)
        return false;
    t->clear();
    return true;
}

int TabCtrl::GetItemCount() const
{
    auto* t = tabsOf(this);
    return t ? t->bar()->count() : 0;
}

int TabCtrl::GetCurSel() const
{
    auto* t = tabsOf(this);
    return t ? t->current() : -1;
}

int TabCtrl::SetCurSel(int item)
{
    auto* t = tabsOf(this);
    if (!t || item < 0 || item >= t->bar()->count())
        return -1;
    const int old = t->current();
    t->select(item);
    return old;
}

std::string TabCtrl::GetItemText(int item) const
{
    auto* t = tabsOf(this);
    return t ? us(t->bar()->tabText(item)) : std::string();
}

ui::Rect TabCtrl::GetDisplayRect() const
{
    auto* t = tabsOf(this);
    if (!t)
        return {};
    const QRect r = t->displayRect();
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

// ---- ScrollBar

void ScrollBar::SetScrollRange(int minPos, int maxPos, bool)
{
    if (auto* b = qobject_cast<QScrollBar*>(widgetOf(this))) {
        const QSignalBlocker block(b);
        b->setRange(minPos, maxPos);
    }
}

void ScrollBar::GetScrollRange(int* minPos, int* maxPos) const
{
    auto* b = qobject_cast<QScrollBar*>(widgetOf(this));
    if (minPos)
        *minPos = b ? b->minimum() : 0;
    if (maxPos)
        *maxPos = b ? b->maximum() : 0;
}

int ScrollBar::SetScrollPos(int pos, bool)
{
    auto* b = qobject_cast<QScrollBar*>(widgetOf(this));
    if (!b)
        return 0;
    const int old = b->value();
    const QSignalBlocker block(b);
    b->setValue(pos);
    return old;
}

int ScrollBar::GetScrollPos() const
{
    auto* b = qobject_cast<QScrollBar*>(widgetOf(this));
    return b ? b->value() : 0;
}

} // namespace vd
