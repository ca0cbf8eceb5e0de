#pragma once
// Private (Qt): what ImageDc and PrinterDc both draw with QPainter, in device pixels: shapes with
// curves, pens wider than one pixel, text and scaled pictures. Antialiasing stays off.
#include "platform/dc/Dc.h"
#include "platform/dc/FontCache.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace vd::paint {

QColor qcolor(COLORREF c);

// Whether a pen or brush draws at all (a null object or the null style draws nothing).
bool visiblePen(const Pen& pen);
bool visibleBrush(const Brush& brush);
// A dashed or dotted pen in opaque background mode fills its gaps with the background colour.
bool fillsGaps(const DcState& st);
// Strokes a path with the pen, over a 1-pixel line of the gap colour when gaps are filled.
void strokeOverGaps(QPainter& p, const QPainterPath& path, const QPen& pen, bool fillGaps, COLORREF gapColour);

// Resets a long-lived painter for one call: no transform, no antialiasing, source-over, and the
// clip rectangle (device pixels).
void prepare(QPainter& p, const Rect& clip);

// A pen of the device width: 1-pixel pens keep their dash pattern, wider ones draw solid with
// round caps and joins.
QPen qpen(const Pen& pen, COLORREF colour, int deviceWidth);

// The outline of Ellipse, RoundRect, Arc, Pie and Chord in the device rectangle, through the
// centres of its outermost pixels (so the right and bottom edges stay outside). Arc is open.
QPainterPath shapePath(DrawOp::Kind kind, const Rect& r, Size corner, Point start, Point end);

// A polyline (or closed polygon) through pixel centres (see the .cpp for the nudge).
QPainterPath linePath(const std::vector<Point>& points, const std::vector<int>& counts, bool closed);

// Text at the reference point by the alignment; the cell filled first when opaque.
struct TextStyle {
    unsigned align = 0;
    int escapement = 0; // tenths of a degree
    bool opaque = false;
    COLORREF colour = 0;
    COLORREF background = 0;
};
// The style of a TextOut from the Dc's state; the colours come resolved through its palette.
TextStyle textStyle(const DcState& st, COLORREF colour, COLORREF background);
void drawText(QPainter& p, const ResolvedFont& font, const QString& text, Point ref, const TextStyle& style);
int textWidth(const ResolvedFont& font, const QString& text);

// The picture for a block transfer: the source rectangle of the source image scaled to the
// destination's size (mirrored where the widths or heights differ in sign). Halftone smooths.
QImage sourceFor(const QImage& source, const Rect& src, int destWidth, int destHeight, int stretchMode);

// A block transfer in device pixels: where it lands and, when the operation reads a source, the
// picture already scaled (and mirrored) to that size.
struct BlitPlan {
    bool valid = false;
    Rect dest;      // normalised, device pixels
    QImage picture; // dest-sized, or null when the operation reads no source
    Point origin;   // the pixel of `picture` at the top-left of `dest`
};
// Given `destPixels` (the pixels drawn into), an unscaled copy from another picture reads the
// source where it lies (`picture` is then that whole picture) instead of a copy of the part.
BlitPlan planBlit(const Dc& dc, const DrawOp& op, const void* destPixels = nullptr);

} // namespace vd::paint
