#pragma once
// Qt widgets of the controls that need their own behaviour (private to the platform).
#include "platform/ui/WindowImpl.h"

#include <QFrame>
#include <QTabBar>

class QComboBox;

namespace vd {

class TabWidget : public QWidget {
public:
    TabWidget(WindowImpl& control, QWidget* parent);
    QTabBar* bar() const { return bar_; }
    int current() const;
    void select(int index);
    int insert(int index, const QString& text);
    void clear();
    QRect displayRect() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void changed(int index);
    WindowImpl& control_;
    QTabBar* bar_;
    int current_ = -1;
};

class PaintedWidget : public QFrame {
public:
    PaintedWidget(WindowImpl& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowImpl& control_;
};

// The QComboBox of a combo control (a simple combo holds it beside its list).
QComboBox* comboWidgetOf(QWidget* widget);

// Owner-drawn combo boxes: items drawn by the attached combo class's DrawItem.
void installOwnerDraw(WindowImpl& control, QComboBox* combo);

} // namespace vd
