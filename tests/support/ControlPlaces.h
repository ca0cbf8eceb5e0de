#pragma once
// Where a dialog shows its controls, for layout tests: the screen rectangle of a control, of a
// label known only by its text (labels without an id), and whether two stand on one line.
#include "platform/ui/Dialog.h"
#include "platform/ui/WindowImpl.h"

#include <QLabel>
#include <QWidget>

#include <optional>
#include <string>

namespace controlplaces {

inline vd::Rect screenRect(const QWidget& widget)
{
    const QPoint at = widget.mapToGlobal(QPoint(0, 0));
    return {at.x(), at.y(), at.x() + widget.width(), at.y() + widget.height()};
}

// The visible label of the dialog (or page) whose text is exactly `text`.
inline std::optional<vd::Rect> labelPlace(const vd::Dialog& dialog, const std::string& text)
{
    const QWidget* top = dialog.impl() ? dialog.impl()->widget.data() : nullptr;
    if (!top)
        return std::nullopt;
    for (const QLabel* label : top->findChildren<QLabel*>())
        if (label->isVisibleTo(top) && label->text().toStdString() == text)
            return screenRect(*label);
    return std::nullopt;
}

// The middle of each lies within the other's height: the two read as one line.
inline bool onOneLine(const vd::Rect& a, const vd::Rect& b)
{
    const int middleA = (a.top + a.bottom) / 2, middleB = (b.top + b.bottom) / 2;
    return middleA >= b.top && middleA < b.bottom && middleB >= a.top && middleB < a.bottom;
}

inline bool overlap(const vd::Rect& a, const vd::Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace controlplaces
