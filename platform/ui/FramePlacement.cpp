#include "platform/ui/FramePlacement.h"

#include <QEvent>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <algorithm>

namespace vd {

namespace {

bool frameKnown(const QWidget& window)
{
    return window.frameGeometry() != window.geometry();
}

void placeCountingTheFrame(QWidget& window, const QRect& outer)
{
    const int frameWidth = window.frameGeometry().width() - window.width();
    const int frameHeight = window.frameGeometry().height() - window.height();
    window.move(outer.topLeft());
    window.resize(std::max(1, outer.width() - frameWidth), std::max(1, outer.height() - frameHeight));
}

// Places the window again, once, as soon as its frame is known; a later placement replaces it.
class PlacementOnceFramed : public QObject {
public:
    PlacementOnceFramed(QWidget& window, const QRect& outer) : QObject(&window), outer_(outer)
    {
        setObjectName(kName);
        window.installEventFilter(this);
    }
    static void replace(QWidget& window, const QRect& outer)
    {
        for (QObject* old : window.findChildren<PlacementOnceFramed*>(kName, Qt::FindDirectChildrenOnly))
            delete old;
        new PlacementOnceFramed(window, outer);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        auto& window = static_cast<QWidget&>(*watched);
        if (!window.isVisible() || !frameKnown(window))
            return false;
        window.removeEventFilter(this);
        if (window.frameGeometry() != outer_)
            placeCountingTheFrame(window, outer_);
        deleteLater();
        return false;
    }

private:
    static constexpr const char* kName = "vdPlacementOnceFramed";
    QRect outer_;
};

} // namespace

void placeFrame(QWidget& window, const QRect& outer)
{
    placeCountingTheFrame(window, outer);
    if (!frameKnown(window))
        PlacementOnceFramed::replace(window, outer);
}

} // namespace vd
