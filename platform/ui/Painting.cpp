// Drawing into windows through a device context on their own back buffers: GetDC, the view's
// repaint, the self-painted control and owner-drawn combo items.
#include "platform/dc/BitmapImpl.h"
#include "platform/dc/ImageDc.h"
#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/View.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace vd {

namespace {

COLORREF backgroundOf(const QWidget* w)
{
    return ui::fromQColor(w->palette().color(w->backgroundRole()));
}

ViewDrawObserver& viewDrawObserver()
{
    static ViewDrawObserver observer;
    return observer;
}

} // namespace

ClientDc::ClientDc(std::shared_ptr<WindowImpl> window, std::unique_ptr<Dc> dc)
    : window_(std::move(window)), dc_(std::move(dc))
{
}

ClientDc::ClientDc(ClientDc&& other) noexcept
    : window_(std::move(other.window_)), dc_(std::move(other.dc_))
{
}

ClientDc::~ClientDc()
{
    // The drawing ends before the window shows it.
    dc_.reset();
    if (window_)
        window_->showBackBuffer();
}

ClientDc Window::GetDC()
{
    if (!impl_ || !impl_->widget)
        return ClientDc(impl_, nullptr);
    Bitmap& target = impl_->paintsOwnBuffer ? impl_->backBufferFilled(backgroundOf(impl_->widget)) : impl_->backBuffer();
    return ClientDc(impl_, std::make_unique<ImageDc>(target));
}

void drawView(View& view)
{
    WindowImpl* impl = view.impl();
    if (!impl || !impl->widget)
        return;
    Bitmap& buffer = impl->backBufferFilled(RGB(255, 255, 255));
    // A copy: the observer may be replaced while it runs.
    const ViewDrawObserver observer = viewDrawObserver();
    if (observer)
        observer(view, buffer, false);
    {
        ImageDc dc(buffer);
        view.OnDraw(dc);
    }
    if (observer)
        observer(view, buffer, true);
}

void setViewDrawObserver(ViewDrawObserver observer)
{
    viewDrawObserver() = std::move(observer);
}

void PaintedControl::SetPainter(Painter painter)
{
    if (!impl_)
        return;
    impl_->painter = std::move(painter);
    impl_->paintsOwnBuffer = true;
    impl_->needsDraw = true;
    if (impl_->widget)
        impl_->widget->update();
}

void PaintedControl::paintNow()
{
    if (!impl_ || !impl_->widget || !impl_->painter || !impl_->needsDraw)
        return;
    impl_->needsDraw = false;
    impl_->clearBackBuffer();
    Bitmap& target = impl_->backBufferFilled(backgroundOf(impl_->widget));
    ImageDc dc(target);
    const auto painter = impl_->painter;
    painter(dc, GetClientRect());
}

void PaintedWidget::paintEvent(QPaintEvent* event)
{
    PaintScope scope;
    if (auto* painted = dynamic_cast<PaintedControl*>(handleOf(&control_)))
        painted->paintNow();
    if (control_.hasBackBuffer()) {
        QPainter painter(this);
        painter.drawImage(0, 0, bitmapImage(control_.currentBuffer()));
    }
    QFrame::paintEvent(event);
}

namespace {

// Draws one item through the combo class's DrawItem into a picture of the item's size.
QImage drawItem(WindowImpl& control, int row, const QRect& rect, bool selected, bool focused, const QWidget* w)
{
    auto* combo = dynamic_cast<ComboBox*>(handleOf(&control));
    Bitmap picture = bitmapFromImage([&] {
        QImage image(rect.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image.fill(selected ? w->palette().color(QPalette::Highlight) : w->palette().color(QPalette::Base));
        return image;
    }());
    if (combo) {
        ImageDc dc(picture);
        DrawItemInfo info;
        info.dc = &dc;
        info.rect = {0, 0, rect.width(), rect.height()};
        info.itemId = row;
        info.itemData = row >= 0 ? combo->GetItemData(row) : 0;
        info.selected = selected;
        info.focused = focused;
        combo->DrawItem(info);
    }
    return bitmapImage(picture);
}

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    OwnerDrawDelegate(WindowImpl& control, QObject* parent) : QStyledItemDelegate(parent), control_(control) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = option.state & QStyle::State_HasFocus;
        painter->drawImage(option.rect.topLeft(), drawItem(control_, index.row(), option.rect, selected, focused, option.widget));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* combo = dynamic_cast<ComboBox*>(handleOf(&control_));
        const int height = combo ? combo->MeasureItem(index.row()) : 16;
        return QSize(option.rect.width() > 0 ? option.rect.width() : 40, height);
    }

private:
    WindowImpl& control_;
};

// The closed combo shows its selected item through DrawItem too.
class OwnerDrawPainter : public QObject {
public:
    OwnerDrawPainter(WindowImpl& control, QObject* parent) : QObject(parent), control_(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!combo || event->type() != QEvent::Paint)
            return false;
        QStylePainter painter(combo);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        painter.drawImage(field.topLeft(), drawItem(control_, combo->currentIndex(), field, false, combo->hasFocus(), combo));
        return true;
    }

private:
    WindowImpl& control_;
};

} // namespace

void installOwnerDraw(WindowImpl& control, QComboBox* combo)
{
    combo->setItemDelegate(new OwnerDrawDelegate(control, combo));
    combo->installEventFilter(new OwnerDrawPainter(control, combo)); // goes with the combo
}

} // namespace vd
