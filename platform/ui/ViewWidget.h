#pragma once
// The view's Qt widget (private): shows the view's back buffer, redrawn through OnDraw after an
// invalidation, and hands mouse, key, size and window-activation events to the view's hooks.
#include "platform/ui/View.h"

#include <QWidget>

namespace vd {

class ViewWidget : public QWidget {
public:
    ViewWidget(View& view, QWidget* parent);

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
};

} // namespace vd
