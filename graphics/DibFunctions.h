#pragma once
// The device-independent bitmap helpers of the map view: header queries, reading a .bmp file
// into one block, and painting a DIB into a device context with its palette.
#include "platform/dc/Dib.h"
#include "platform/dc/Geometry.h"
#include "platform/dc/GdiObjects.h"

#include <cstdint>
#include <string>

namespace vd {
class Dc;
}

int DibWidth(const vd::Dib& dib);
int DibHeight(const vd::Dib& dib);
// Colour-table entries: biClrUsed when the info header sets it, else 2, 16 or 256 by bit count.
int DibNumColors(const vd::Dib& dib);
// Bytes of the colour table: 4 an entry with the info header, 3 with the core header.
int DibPaletteSize(const vd::Dib& dib);
const std::uint8_t* FindDibBits(const vd::Dib& dib);

// Reads a .bmp file (Windows-form path). A file that cannot be opened, is not a bitmap or whose
// header does not fit its data gives an empty DIB.
vd::Dib ReadDibFile(const std::string& winPath);

// Paints the source rectangle of the DIB into the destination rectangle: pixel for pixel when
// both have the same size, else stretched (colour on colour). The palette, when given, is
// selected as a background palette for the call. Returns the scan lines painted.
int PaintDib(vd::Dc& dc, const vd::Rect& destination, const vd::Dib& dib, const vd::Rect& source,
             const vd::Palette* palette);
