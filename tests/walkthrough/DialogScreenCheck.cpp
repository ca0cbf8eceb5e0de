#include "DialogScreenCheck.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/WindowImpl.h"

#include <QWidget>

namespace walk {

namespace {

// The smallest screen, and the title bar and borders a window manager adds to a dialog.
constexpr int kScreenWidth = 1024, kScreenHeight = 768;
constexpr int kTitleBar = 30;

} // namespace

std::optional<std::string> largerThanTheSmallestScreen(vd::Dialog& dialog)
{
    const QWidget* window = dialog.impl() ? dialog.impl()->widget.data() : nullptr;
    if (!window || !window->isWindow())
        return std::nullopt;
    const QSize size = window->frameGeometry().size();
    if (size.width() <= kScreenWidth && size.height() + kTitleBar <= kScreenHeight)
        return std::nullopt;
    return "the dialog is " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
           ", larger than a " + std::to_string(kScreenWidth) + " x " + std::to_string(kScreenHeight) +
           " screen holds with its title bar";
}

} // namespace walk
