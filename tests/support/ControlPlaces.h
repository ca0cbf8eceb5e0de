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

// The two read as one line: the middle of each lies within the other's height, and neither is
// more than twice as tall as the other (a label writes its text at its top, so a label as tall as
// a list beside it stands far above the field).
inline bool onOneLine(const vd::Rect& a, const vd::Rect& b)
{
    const int middleA = (a.top + a.bottom) / 2, middleB = (b.top + b.bottom) / 2;
    const int heightA = a.bottom - a.top, heightB = b.bottom - b.top;
    return middleA >= b.top && middleA < b.bottom && middleB >= a.top && middleB < a.bottom && heightA <= 2 * heightB
        && heightB <= 2 * heightA;
}

inline bool overlap(const vd::Rect& a, const vd::Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace controlplaces
