#pragma once
// The cursor's position as the map view shows it: D.MMSS texts of latitude ("%7.4f") and
// longitude ("%8.4f"), from the linear sheet maps or the inverse overview projections, the
// inside-frame test, and the neighbour cell a right click picks on a sheet block.
#include <string>

struct CursorTexts {
    std::string latitude;
    std::string longitude;
};

// 1/10000 degree -> D.MMSS text: the fraction times 0.36 gives whole seconds (truncated),
// regrouped into minutes and seconds.
std::string TenThousandthsToDms(double value, const char* format);

// A sheet map drawn linearly from its origin (10, 30) over width x height pixels; the frame in
// whole seconds of arc. A map without a size gives the frame's north-west corner.
CursorTexts SheetCursorTexts(int x, int y, int north, int south, int east, int west, int pixelWidth,
                             int pixelHeight);

// The inside-frame test: the texts compared as texts (they have fixed widths), bounds inclusive.
bool CursorInsideFrame(const CursorTexts& cursor, const std::string& south, const std::string& north,
                       const std::string& west, const std::string& east);

// The cell 0..8 of the 3 x 3 block a right click at (x, y) picks on a block of `sheets` sheets
// drawn with the scales (pixels per block unit), or -1 outside the block.
int NeighbourCell(int x, int y, int sheets, double scaleX, double scaleY);
