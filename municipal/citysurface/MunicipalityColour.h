#pragma once
// The colour codes of the municipality drawing: boundary, fill and coastline colours chosen by a
// small integer (negative codes give white labels on the white map).
#include "platform/dc/GdiObjects.h"

namespace surrick {

// The colour of a code; codes without an entry are black.
vd::COLORREF MunicipalityColour(int code);

// Codes 12 to 19 draw 2 pixels wide, every other code 1 pixel.
int MunicipalityPenWidth(int code);

// The outline pen of an area: a code whose thirties digit is 1 is dotted in the colour of the
// code modulo 30 (31 is a dotted pen of colour 1); every other code is solid in its own colour.
vd::Pen MunicipalityPolygonPen(int code);

// The coastline pen: solid in the code's colour.
vd::Pen MunicipalityCoastlinePen(int code);

// The fill: the colour of the code modulo 30.
vd::Brush MunicipalityFillBrush(int code);

} // namespace surrick
