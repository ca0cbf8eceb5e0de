// Drawing into windows through a device context on their own back buffers: GetDC, the
// self-painted control and owner-drawn combo items.
#include "platform/ui/ControlsImpl.h"
#include "platform/ui/DialogImpl.h"

#include <QComboBox>

namespace vd {

ClientDc::ClientDc(std::shared_ptr<WindowImpl> window, Dc* dc)
    : window_(std::move(window)), dc_(dc)
{
}

ClientDc::ClientDc(ClientDc&& other) noexcept
    : window_(std::move(other.window_)), dc_(other.dc_)
{
    other.dc_ = nullptr;
}

ClientDc::~ClientDc()
{
    if (window_)
        window_->showBackBuffer();
}

ClientDc Window::GetDC()
{
    return ClientDc(impl_, nullptr);
}

void PaintedControl::SetPainter(Painter painter)
{
    if (impl_) {
        impl_->painter = std::move(painter);
        if (impl_->widget)
            impl_->widget->update();
    }
}

void PaintedControl::paintNow()
{
}

void installOwnerDraw(WindowImpl&, QComboBox*)
{
}

} // namespace vd
