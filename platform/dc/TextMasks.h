#pragma once
// Private (Qt): the pixels a text sets when drawn, kept per font and text. Text is drawn without
// antialiasing, so a horizontal text sets each pixel of its glyphs (and any underline or
// strike-out) to the text colour and leaves the rest; moved by whole pixels it sets the same
// pixels moved. Labels are drawn again on every repaint: shaping them once and copying the kept
// pixels afterwards gives the same picture for a fraction of the cost.
#include "platform/dc/FontCache.h"

#include <string_view>
#include <vector>

namespace vd::textmask {

// One row's run of text pixels [x0, x1), relative to the top left of the text's cell.
struct Run {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
};

struct Mask {
    std::vector<Run> runs;
    int width = 0; // the advance of the whole text, as paint::textWidth gives it
};

// The kept pixels of the UTF-8 text in the font, made when the text is asked for the second time
// and kept by the calling thread; good until that thread's next call. Null the first time, and
// where the kept pixels could differ from drawing the text afresh (control characters, pixels
// that are not wholly set or left, glyphs reaching past the margin); the caller then draws
// through QPainter.
const Mask* maskFor(const ResolvedFont& font, std::string_view text);
} // namespace vd::textmask
