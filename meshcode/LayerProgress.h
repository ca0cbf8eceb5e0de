#pragma once
// The progress box of a layer that is drawn cell by cell: a framed box above the status line with
// the layer's name and "i/n" in red on white. Every mesh layer of every library shows the same box.
#include <string>

namespace vd {
class Dc;
}

namespace meshcode {

// Draws the box for cell `index` (counted from 0) of `total` into `dc`. An empty text, or a count
// switch of 0, shows the general wait text instead of the name and count. On a device narrower
// than the box's columns the box moves left to stay whole; its frame is one pixel wide in the
// current pen's colour. The text colour is set back to black; the font is the caller's.
void DrawLayerProgress(vd::Dc& dc, int statusLineY, int countSwitch, const std::string& text, int index, int total);

} // namespace meshcode
