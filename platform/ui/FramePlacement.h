#pragma once
// A top-level window placed by its outer rectangle, title bar and borders included. Before a
// window manager has framed the window its frame is not known; the placement is then made again
// once the frame is known, so the outer rectangle is the one asked for (and a window placed to
// fill the screen does not reach past it).
class QWidget;
class QRect;

namespace vd {

void placeFrame(QWidget& window, const QRect& outer);

} // namespace vd
