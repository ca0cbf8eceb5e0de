// The layout check of the dialog driver: the visible controls whose text a user cannot read
// whole, because their own rectangle is too small for it, because another control lies over it
// or it over another, or because it runs past the window or page that holds it; and a caption
// that the title bar cannot hold.
#include "platform/ui/DialogDriver.h"

#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>

#include <optional>

namespace vd {

namespace {

// Controls that share a few pixels (a native combo box or button a little taller than its
// template row, the margin a check box's hint keeps after its text) hide nothing of each other,
// nor does that margin hide text where it passes the edge of the window.
constexpr int kOverlapSeen = 5;

QString plainText(QString text)
{
    // A mnemonic marker takes no room; a doubled one shows one ampersand.
    text.replace(QLatin1String("&&"), QString(QChar(1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

// What a control shows and the room it takes, in its parent's coordinates: `text` is empty for a
// control without text; `needs` is the size its text needs; `cut` whether its own rectangle is
// too small for it; `shown` the rectangle its text (or, for a control without text that paints
// itself, its whole face) covers; `frame` is true for group boxes and tab controls, which lie
// beneath the controls they hold.
struct Room {
    QString text;
    QSize needs;
    bool cut = false;
    std::optional<QRect> shown;
    bool frame = false;
};

Room roomOf(QWidget& w)
{
    Room room;
    const QRect at = w.geometry();
    const QFontMetrics fm(w.font());
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        room.text = label->text(); // mnemonics are already taken out
        if (room.text.isEmpty() || label->textFormat() == Qt::RichText)
            return room;
        const int frame = 2 * label->frameWidth() + 2 * label->margin();
        const int lineHeight = fm.height();
        const bool oneLine = w.height() < 2 * lineHeight && !room.text.contains(QLatin1Char('\n'));
        if (oneLine) {
            room.needs = QSize(fm.horizontalAdvance(room.text) + frame, lineHeight);
            room.cut = room.needs.width() > w.width();
            room.shown = QStyle::alignedRect(w.layoutDirection(), label->alignment(),
                                             room.needs.boundedTo(at.size()).expandedTo(QSize(0, 0)), at);
        } else {
            const QRect used = fm.boundingRect(QRect(0, 0, std::max(1, w.width() - frame), 100000),
                                               Qt::TextWordWrap | Qt::AlignLeft, room.text);
            room.needs = QSize(w.width(), used.height() + frame);
            room.cut = label->wordWrap() && room.needs.height() > w.height();
            room.shown = at;
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        room.text = plainText(button->text());
        const bool push = qobject_cast<QPushButton*>(&w) != nullptr;
        // A push button's hint has a style minimum that says nothing about its text.
        const int width = push ? fm.horizontalAdvance(room.text) + 6 : button->sizeHint().width();
        room.needs = QSize(width, w.height());
        room.cut = !room.text.isEmpty() && width > w.width();
        // A push button paints its whole face; a check box or radio button its mark and text.
        room.shown = push ? at : QRect(at.topLeft(), QSize(std::min(width, at.width()), at.height()));
    } else if (auto* group = qobject_cast<QGroupBox*>(&w)) {
        room.text = plainText(group->title());
        room.needs = QSize(fm.horizontalAdvance(room.text) + 12, w.height());
        room.cut = !room.text.isEmpty() && room.needs.width() > w.width();
        room.frame = true;
    } else if (QComboBox* combo = comboWidgetOf(&w)) {
        room.text = combo->currentText();
        // The shown text of a combo box, beside its arrow.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const int field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
        room.needs = QSize(fm.horizontalAdvance(room.text), field);
        room.cut = !room.text.isEmpty() && room.needs.width() > field;
        room.shown = at;
    } else if (auto* tabs = dynamic_cast<TabWidget*>(&w)) {
        QStringList texts;
        for (int i = 0; i < tabs->bar()->count(); ++i)
            texts << tabs->bar()->tabText(i);
        room.text = texts.join(QLatin1Char('|'));
        room.needs = tabs->bar()->sizeHint();
        room.cut = tabs->bar()->count() > 0 && room.needs.width() > w.width();
        room.frame = true;
    } else {
        room.shown = at;
    }
    return room;
}

std::string describe(const WindowImpl& c, const QString& text)
{
    return "control " + std::to_string(c.id) + " \"" + ui::us(text) + "\"";
}

std::string sizes(QSize needs, QSize has)
{
    return " needs " + std::to_string(needs.width()) + "x" + std::to_string(needs.height()) + " but has " +
           std::to_string(has.width()) + "x" + std::to_string(has.height());
}

void collectClipped(const DialogImpl& d, std::vector<std::string>& out)
{
    if (!d.widget || !d.widget->isVisible())
        return;
    std::vector<std::pair<const WindowImpl*, Room>> shown;
    for (const auto& c : d.controls) {
        QWidget* w = c->widget.data();
        if (w && w->isVisibleTo(d.widget))
            shown.emplace_back(c.get(), roomOf(*w));
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& [c, room] = shown[i];
        if (room.text.isEmpty())
            continue;
        QWidget* w = c->widget.data();
        if (room.cut)
            out.push_back(describe(*c, room.text) + sizes(room.needs, w->size()));
        if (!room.shown || room.frame)
            continue;
        // Past the edge of what holds it (a page, a group's window), the text is cut there.
        if (QWidget* parent = w->parentWidget();
            parent && !parent->rect().adjusted(0, 0, kOverlapSeen, kOverlapSeen).contains(*room.shown))
            out.push_back(describe(*c, room.text) + " runs past the edge of its window");
        // Text under or over another control: each pair is named once.
        for (std::size_t j = 0; j < shown.size(); ++j) {
            const auto& [other, otherRoom] = shown[j];
            if (j == i || !otherRoom.shown || otherRoom.frame || other->widget->parentWidget() != w->parentWidget())
                continue;
            if (!otherRoom.text.isEmpty() && j < i)
                continue;
            if (const QRect both = room.shown->intersected(*otherRoom.shown);
                both.width() >= kOverlapSeen && both.height() >= kOverlapSeen)
                out.push_back(describe(*c, room.text) + " and " + describe(*other, otherRoom.text) + " overlap");
        }
    }
    for (const DialogImpl* page : d.children)
        collectClipped(*page, out);
}

} // namespace

std::vector<std::string> DialogDriver::clippedControls() const
{
    std::vector<std::string> out;
    auto* d = dynamic_cast<DialogImpl*>(dialog_.impl());
    if (!d || !d->widget)
        return out;
    if (d->widget->isWindow() && !d->widget->windowTitle().isEmpty()) {
        const QString text = d->widget->windowTitle();
        const int needs = ui::titleBarWidth(text, d->widget->font());
        if (needs > d->widget->width())
            out.push_back("caption \"" + ui::us(text) + "\" needs " + std::to_string(needs) + " but the window is " +
                          std::to_string(d->widget->width()));
    }
    collectClipped(*d, out);
    return out;
}

} // namespace vd
