// Turns a dialog template into a Qt dialog: dialog units through the template font's average
// character size, or, for a template without geometry, an automatic layout in rows from the
// order and grouping of the controls (a long run of labelled fields in columns), sized to fit
// the screen.
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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

// Buttons that follow each other in a row, at most.
constexpr long kButtonsPerRow = 3;

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
        if (t.kind == ControlKind::PushButton) {
            // Buttons that follow each other stand side by side, a few to a row.
            const auto buttons = std::count_if(row.begin(), row.end(), [](const ui::ControlTemplate* c) {
                return c->kind == ControlKind::PushButton;
            });
            if (buttons >= kButtonsPerRow)
                return false;
            if (first == ControlKind::PushButton)
                return true;
        }
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

// A run of more rows of a label and its field than this flows into columns of at most this many.
constexpr int kRowsPerColumn = 16;

// Whether the control, placed after a field, would join the field's row.
bool joinsAField(const ui::ControlTemplate& t)
{
    const bool closing = t.kind == ControlKind::Static && (t.caption.starts_with(")") || t.caption.starts_with("）"));
    const bool button = t.kind == ControlKind::PushButton && t.id != IDOK && t.id != IDCANCEL;
    return closing || button;
}

// The rows of a caption label and a one-line field with nothing else beside them, from `first` on.
int labelFieldRows(const std::vector<ui::ControlTemplate>& controls, std::size_t first)
{
    int rows = 0;
    for (std::size_t i = first; i + 1 < controls.size(); i += 2) {
        const ui::ControlTemplate& label = controls[i];
        const ui::ControlTemplate& field = controls[i + 1];
        if (label.kind != ControlKind::Static || label.caption.empty() || joinsAField(label) || !isField(field)
            || isOpenList(field) || (i + 2 < controls.size() && joinsAField(controls[i + 2])))
            break;
        ++rows;
    }
    return rows;
}

void setLeastSize(QWidget& widget, const ui::ControlTemplate& t, const DialogImpl& d)
{
    widget.setMinimumSize(widget.minimumSize().expandedTo(minimumFor(t, d.baseUnits)));
    // A wrapping label would otherwise give way to its neighbours and break a short line.
    if (t.kind == ControlKind::Static && !t.caption.empty())
        widget.setMinimumWidth(
            std::max(widget.minimumWidth(), std::min(longestLineWidth(widget, t.caption), d.baseUnits.width() * 80)));
}

bool stretches(const ui::ControlTemplate& t)
{
    return t.kind == ControlKind::Edit || t.kind == ControlKind::ComboBox || t.kind == ControlKind::ListBox
        || t.kind == ControlKind::ListView || t.kind == ControlKind::TabControl || t.kind == ControlKind::Painted;
}

void autoLayout(DialogImpl& d, QtDialog* dialog, QWidget* parent)
{
    // The rows go into a body above the OK and Cancel buttons, so that a body taller than the
    // screen can scroll while the buttons stay in reach.
    auto* outer = new QVBoxLayout(dialog);
    auto* body = new QWidget(dialog);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* section = bodyLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    std::vector<const ui::ControlTemplate*> row;
    QHBoxLayout* rowLayout = nullptr;
    const auto& controls = d.tmpl.controls;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const ui::ControlTemplate& t = controls[index];
        const int order = static_cast<int>(index);
        const ui::ControlTemplate* next = index + 1 < controls.size() ? &controls[index + 1] : nullptr;
        if (t.kind == ControlKind::PushButton && (t.id == IDOK || t.id == IDCANCEL)) {
            auto c = createControl(&d, t, order, dialog);
            d.controls.push_back(c);
            buttons->addWidget(c->widget);
            continue;
        }
        if (t.kind == ControlKind::GroupBox) {
            auto c = createControl(&d, t, order, body);
            d.controls.push_back(c);
            section = new QVBoxLayout(c->widget);
            bodyLayout->addWidget(c->widget);
            row.clear();
            rowLayout = nullptr;
            continue;
        }
        QWidget* container = section == bodyLayout ? body : section->parentWidget();
        if (const int rows = labelFieldRows(controls, index); rows > kRowsPerColumn) {
            // Down each column in turn, so that the order of the fields reads as the template's.
            const int columns = (rows + kRowsPerColumn - 1) / kRowsPerColumn;
            const int perColumn = (rows + columns - 1) / columns;
            auto* grid = new QGridLayout;
            for (int k = 0; k < rows; ++k)
                for (int side = 0; side < 2; ++side) {
                    const std::size_t at = index + std::size_t(2 * k + side);
                    auto c = createControl(&d, controls[at], static_cast<int>(at), container);
                    d.controls.push_back(c);
                    setLeastSize(*c->widget, controls[at], d);
                    grid->addWidget(c->widget, k % perColumn, 3 * (k / perColumn) + side);
                }
            // A gap before each further column keeps its labels apart from the fields before them.
            for (int column = 0; column < columns; ++column) {
                grid->setColumnStretch(3 * column + 1, 1);
                if (column > 0)
                    grid->setColumnMinimumWidth(3 * column - 1, d.baseUnits.width() * 2);
            }
            section->addLayout(grid);
            index += std::size_t(2 * rows) - 1;
            row.clear();
            rowLayout = nullptr;
            continue;
        }
        // The control list must be complete up to this control before groups are asked for.
        auto c = createControl(&d, t, order, container);
        d.controls.push_back(c);
        if (!joinsRow(row, t, next, d, order)) {
            row.clear();
            rowLayout = new QHBoxLayout;
            section->addLayout(rowLayout);
        }
        row.push_back(&t);
        setLeastSize(*c->widget, t, d);
        rowLayout->addWidget(c->widget, stretches(t) ? 1 : 0);
    }
    bodyLayout->addStretch(1);
    outer->addWidget(body, 1);
    outer->addLayout(buttons);
    dialog->adjustSize();
    QSize least = dialog->sizeHint();
    if (!d.tmpl.isChild()) {
        least.setWidth(std::max(least.width(), ui::titleBarWidth(dialog->windowTitle(), dialog->font())));
        least = fitToScreen(*dialog, *outer, *body, least, parent);
    }
    dialog->setMinimumSize(least);
    dialog->resize(least);
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
        autoLayout(d, dialog, parent);
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
