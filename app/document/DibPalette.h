#pragma once
// The logical palette of the document's DIB, built from the tint ramp.
#include "platform/dc/Dib.h"
#include "platform/dc/GdiObjects.h"

class CVeldoranDoc;

// Mode 0: an info-header DIB takes the ramp as its colour table (a core-header DIB keeps its
// own); the palette is the colour table. Mode 1: the ramp, quantised into bands of bandMetres
// when that is not 0, becomes the colour table of either header kind and the palette. A DIB
// without a colour table (16, 24 or 32 bits) gets no palette and counts as a success; an empty
// DIB fails. Colour-table entries past the ramp's 256 keep their own colours.
bool CreateDibPalette(const CVeldoranDoc& doc, vd::Dib& dib, vd::Palette& palette, int mode, int bandMetres);
