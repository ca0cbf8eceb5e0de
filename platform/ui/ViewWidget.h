#pragma once
// The view's Qt widget (private): shows the view's back buffer, redrawn through OnDraw after an
// invalidation, and hands mouse, key, size and window-activation events to the view's hooks.
// The drawing runs from an event of its own, never inside Qt's paint: a drawing that opens a
// dialog or a message box runs an event loop of its own, and the window cannot be painted
// inside its own paint (Qt refuses such a recursive repaint).
#include "platform/ui/View.h"

#include <QWidget>

namespace vd {

class ViewWidget : public QWidget {
public:
    ViewWidget(View& view, QWidget* parent);

    // Asks for the view's drawing once the events queued now have been delivered (once, however
    // often it is asked before then).
    void requestDraw();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    View& view_;
    bool drawRequested_ = false;
};

} // namespace vd
