#include "platform/ui/Clipboard.h"

#include "platform/dc/BitmapImpl.h"
#include "platform/ui/WindowImpl.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vd {

Bitmap captureWindow(const Window& window)
{
    QWidget* w = widgetOf(&window);
    return w ? bitmapFromImage(w->grab().toImage()) : Bitmap();
}

bool setClipboardBitmap(const Bitmap& bitmap)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || bitmap.IsNull())
        return false;
    clipboard->setImage(bitmapImage(bitmap).copy());
    return true;
}

bool copyWindowToClipboard(const Window& window, const Rect& rect)
{
    QWidget* w = widgetOf(&window);
    if (!w || rect.IsRectEmpty())
        return false;
    const QImage look = w->grab(QRect(rect.left, rect.top, rect.Width(), rect.Height())).toImage();
    return setClipboardBitmap(bitmapFromImage(look));
}

Bitmap clipboardBitmap()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QImage image = clipboard->image();
    return image.isNull() ? Bitmap() : bitmapFromImage(image);
}

} // namespace vd
