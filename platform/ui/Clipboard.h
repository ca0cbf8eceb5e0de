#pragma once
// The clipboard as the system uses it: a bitmap put on it (the view's copy command).
#include "platform/dc/Bitmap.h"
#include "platform/dc/Geometry.h"

namespace vd {

class Window;

// What a window shows now, as a bitmap of its client size (its children included).
Bitmap captureWindow(const Window& window);

// Puts a copy of the bitmap on the clipboard; false when there is no clipboard.
bool setClipboardBitmap(const Bitmap& bitmap);
// A rectangle of what a window shows now (client coordinates), put on the clipboard.
bool copyWindowToClipboard(const Window& window, const Rect& rect);
// The bitmap on the clipboard (empty when it holds none).
Bitmap clipboardBitmap();

} // namespace vd
