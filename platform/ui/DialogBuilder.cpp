// Turns a dialog template into a Qt dialog: dialog units through the template font's average
// character size, or, for a template without geometry, an automatic layout in rows from the
// order and grouping of the controls.
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

namespace vd {

using ui::ControlKind;

QSize dialogBaseUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize(std::max(1, (width / 26 + 1) / 2), std::max(1, fm.height()));
}

namespace {

int mulDiv(int value, int mul, int div)
{
    const long long p = static_cast<long long>(value) * mul;
    return static_cast<int>((p >= 0 ? p + div / 2 : p - div / 2) / div);
}

bool hasGeometry(const ui::DialogTemplate& t)
{
    if (!t.place)
        return false;
    for (const auto& c : t.controls)
        if (!c.place)
            return false;
    return true;
}

void placeControl(WindowImpl& c, const ui::ControlTemplate& t, QSize bu)
{
    QRect r = toPixels(*t.place, bu);
    if (auto* combo = qobject_cast<QComboBox*>(c.widget.data())) {
        // The template's height includes the dropped list.
        const int field = combo->sizeHint().height();
        const int item = std::max(1, combo->fontMetrics().height() + 2);
        combo->setMaxVisibleItems(std::max(1, (r.height() - field) / item));
        r.setHeight(field);
    }
    // Templates were drawn for a smaller check mark than this platform's: a check box or radio
    // button takes the room its text needs beyond its template width.
    if (auto* button = qobject_cast<QAbstractButton*>(c.widget.data());
        button && (t.kind == ControlKind::CheckBox || t.kind == ControlKind::RadioButton) && !(t.style & BS_PUSHLIKE))
        r.setWidth(std::max(r.width(), button->sizeHint().width()));
    c.widget->setGeometry(r);
}

int longestLineWidth(const QWidget& widget, const std::string& caption)
{
    const QFontMetrics fm(widget.font());
    int widest = 0;
    for (const QString& line : ui::qs(caption).remove(QLatin1Char('&')).split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest + 2;
}

bool isField(const ui::ControlTemplate& t)
{
    return t.kind == ControlKind::Edit || t.kind == ControlKind::ComboBox;
}

// A combo box whose list is always shown is a list, not a one-line field.
bool isOpenList(const ui::ControlTemplate& t)
{
    return t.kind == ControlKind::ComboBox && (t.style & 0x3) == CBS_SIMPLE;
}

// Automatic layout: which controls share a row. `next` is the control after `t`, if any.
bool joinsRow(const std::vector<const ui::ControlTemplate*>& row, const ui::ControlTemplate& t,
              const ui::ControlTemplate* next, const DialogImpl& d, int order)
{
    if (row.empty())
        return false;
    const ControlKind first = row.front()->kind;
    switch (t.kind) {
    case ControlKind::Static:
        // The closing bracket after a field (with the unit it may carry: ")  直径(Km)") stays on the
        // field's line, unless it labels a field of its own.
        return (t.caption.starts_with(")") || t.caption.starts_with("）")) && isField(*row.back())
            && !isOpenList(*row.back()) && !(next && isField(*next));
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        if (isOpenList(t))
            return false;
        [[fallthrough]];
    case ControlKind::PushButton:
        return first == ControlKind::Static || first == ControlKind::Edit || first == ControlKind::ComboBox;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        if (row.size() >= 4 || (first != ControlKind::CheckBox && first != ControlKind::RadioButton))
            return false;
        if (t.kind == ControlKind::CheckBox)
            return row.back()->kind == ControlKind::CheckBox && !(t.style & WS_GROUP);
        const auto group = d.groupOf(*d.controls[order]);
        return !group.empty() && std::find_if(group.begin(), group.end(), [&](WindowImpl* g) { return g->id == row.back()->id; }) != group.end();
    }
    default:
        return false;
    }
}

QSize minimumFor(const ui::ControlTemplate& t, QSize bu)
{
    if (t.place)
        return toPixels(*t.place, bu).size();
    switch (t.kind) {
    case ControlKind::ListBox:
    case ControlKind::ListView: return QSize(bu.width() * 40, bu.height() * 6);
    case ControlKind::TabControl: return QSize(bu.width() * 50, bu.height() * 8);
    case ControlKind::Painted: return QSize(bu.width() * 25, bu.height() * 4);
    case ControlKind::Edit: return QSize(bu.width() * 20, 0);
    // A file or item name needs more than the few characters a bare combo box would get.
    case ControlKind::ComboBox: return QSize(bu.width() * 40, 0);
    case ControlKind::ScrollBar: return QSize(0, bu.height() * 5);
    default: return QSize();
    }
}

void autoLayout(DialogImpl& d, QtDialog* dialog)
{
    auto* outer = new QVBoxLayout(dialog);
    QVBoxLayout* section = outer;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    std::vector<const ui::ControlTemplate*> row;
    QHBoxLayout* rowLayout = nullptr;
    int order = 0;
    const auto& controls = d.tmpl.controls;
    for (const auto& t : controls) {
        const int index = order++;
        const ui::ControlTemplate* next = std::size_t(order) < controls.size() ? &controls[std::size_t(order)] : nullptr;
        if (t.kind == ControlKind::PushButton && (t.id == IDOK || t.id == IDCANCEL)) {
            auto c = createControl(&d, t, index, dialog);
            d.controls.push_back(c);
            buttons->addWidget(c->widget);
            continue;
        }
        if (t.kind == ControlKind::GroupBox) {
            auto c = createControl(&d, t, index, dialog);
            d.controls.push_back(c);
            section = new QVBoxLayout(c->widget);
            outer->addWidget(c->widget);
            row.clear();
            rowLayout = nullptr;
            continue;
        }
        QWidget* parent = section == outer ? static_cast<QWidget*>(dialog) : section->parentWidget();
        // The control list must be complete up to this control before groups are asked for.
        auto c = createControl(&d, t, index, parent);
        d.controls.push_back(c);
        if (!joinsRow(row, t, next, d, index)) {
            row.clear();
            rowLayout = new QHBoxLayout;
            section->addLayout(rowLayout);
        }
        row.push_back(&t);
        c->widget->setMinimumSize(c->widget->minimumSize().expandedTo(minimumFor(t, d.baseUnits)));
        // A wrapping label would otherwise give way to its neighbours and break a short line.
        if (t.kind == ControlKind::Static && !t.caption.empty())
            c->widget->setMinimumWidth(std::max(c->widget->minimumWidth(),
                                                std::min(longestLineWidth(*c->widget, t.caption), d.baseUnits.width() * 80)));
        const bool stretches = t.kind == ControlKind::Edit || t.kind == ControlKind::ComboBox || t.kind == ControlKind::ListBox
            || t.kind == ControlKind::ListView || t.kind == ControlKind::TabControl || t.kind == ControlKind::Painted;
        rowLayout->addWidget(c->widget, stretches ? 1 : 0);
    }
    outer->addStretch(1);
    outer->addLayout(buttons);
    dialog->adjustSize();
    QSize least = dialog->sizeHint();
    if (!d.tmpl.isChild())
        least.setWidth(std::max(least.width(), ui::titleBarWidth(dialog->windowTitle(), dialog->font())));
    dialog->setMinimumSize(least);
    dialog->resize(dialog->size().expandedTo(least));
}

// Whether the platform can tell where the pointer is (Wayland does not tell a client; the
// offscreen platform has none).
bool pointerKnown()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("offscreen")
        || platform == QLatin1String("minimal"))
        return false;
    return QGuiApplication::screenAt(QCursor::pos()) != nullptr;
}

void positionTopLevel(DialogImpl& d, QtDialog* dialog, QWidget* parent)
{
    const auto& t = d.tmpl;
    if ((t.style & DS_CENTERMOUSE) && pointerKnown()) {
        dialog->move(QCursor::pos() - QPoint(dialog->width() / 2, dialog->height() / 2));
    } else if ((t.style & (DS_CENTER | DS_CENTERMOUSE)) || !t.place) {
        // Without a pointer position, a dialog meant for the pointer centres on the main window.
        QWidget* over = parent ? parent->window() : (t.style & DS_CENTERMOUSE) ? QApplication::activeWindow() : nullptr;
        QRect area = over ? over->geometry() : QRect();
        if (area.isEmpty())
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                area = screen->availableGeometry();
        dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    } else {
        const QPoint offset(mulDiv(t.place->x, d.baseUnits.width(), 4), mulDiv(t.place->y, d.baseUnits.height(), 8));
        const QPoint origin = parent ? parent->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
        dialog->move(origin + offset);
    }
}

} // namespace

QRect toPixels(const ui::DialogUnits& du, QSize bu)
{
    return QRect(mulDiv(du.x, bu.width(), 4), mulDiv(du.y, bu.height(), 8), mulDiv(du.cx, bu.width(), 4),
                 mulDiv(du.cy, bu.height(), 8));
}

void buildDialogWindow(DialogImpl& d, QWidget* parent)
{
    const auto& t = d.tmpl;
    auto* dialog = new QtDialog(d, parent, t.isChild());
    d.widget = dialog;
    dialog->setWindowTitle(ui::qs(t.caption));
    const QFont font = ui::dialogFont(t.fontFace, t.fontPoints);
    dialog->setFont(font);
    d.baseUnits = dialogBaseUnits(font);

    if (hasGeometry(t)) {
        int order = 0;
        for (const auto& ct : t.controls) {
            auto c = createControl(&d, ct, order++, dialog);
            d.controls.push_back(c);
            placeControl(*c, ct, d.baseUnits);
        }
        // Group boxes stay behind the controls they frame.
        for (auto& c : d.controls)
            if (c->kind == ControlKind::GroupBox)
                c->widget->lower();
        QSize size = toPixels(*t.place, d.baseUnits).size();
        // A window is at least as wide as its title bar needs to show the whole caption.
        if (!t.isChild())
            size.setWidth(std::max(size.width(), ui::titleBarWidth(dialog->windowTitle(), font)));
        dialog->setFixedSize(size);
    } else {
        autoLayout(d, dialog);
    }
    for (std::size_t i = 0; i < t.controls.size() && i < d.controls.size(); ++i)
        if (t.controls[i].hidden)
            d.controls[i]->widget->hide();

    if (t.isChild()) {
        if (t.place) {
            dialog->move(toPixels(*t.place, d.baseUnits).topLeft());
        } else if (d.parentDialog) {
            // A page without geometry fills the display area of its parent's tab control.
            for (auto& c : d.parentDialog->controls)
                if (auto* tabs = dynamic_cast<TabCtrl*>(handleOf(c.get()))) {
                    const ui::Rect r = tabs->GetDisplayRect();
                    const QPoint at = c->widget->mapTo(d.parentDialog->widget, QPoint(r.left, r.top));
                    dialog->setGeometry(QRect(at, QSize(r.Width(), r.Height())));
                    break;
                }
        }
        dialog->hide();
    } else {
        positionTopLevel(d, dialog, parent);
    }
}

} // namespace vd
