#pragma once
// The device context the system draws into, with the old platform's semantics: selected objects,
// a current position, colours and modes, mapping modes, a clipping rectangle and saved states.
// Coordinates are logical; the mapping mode turns them into device pixels. Every drawing call is
// one DrawOp handed to the implementation (ImageDc, PrinterDc, RecordingDc). The drawing rules
// (which pixels each primitive sets) are written down in docs/architecture.md.
#include "platform/dc/Bitmap.h"
#include "platform/dc/Color.h"
#include "platform/dc/Dib.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/GdiObjects.h"
#include "platform/dc/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct TextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = FW_NORMAL;
    int tmCharSet = SHIFTJIS_CHARSET;
};

// Everything a drawing depends on besides its own arguments; SaveDC keeps a copy.
struct DcState {
    Pen pen = StockPen(BLACK_PEN);
    Brush brush = StockBrush(WHITE_BRUSH);
    Font font = StockFont(SYSTEM_FONT);
    Palette palette = StockPalette();
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    unsigned textAlign = TA_TOP | TA_LEFT;
    int stretchMode = BLACKONWHITE;
    int mapMode = MM_TEXT;
    Point windowOrg;
    Point viewportOrg;
    Size windowExt{1, 1};
    Size viewportExt{1, 1};
    Point position;       // the current position, logical
    bool clipped = false; // clip: a rectangle in device pixels
    Rect clip;
};

// One drawing call with its arguments in logical coordinates.
struct DrawOp {
    enum Kind {
        LineTo, Polyline, Polygon, PolyPolygon, Rectangle, Ellipse, RoundRect, Arc, Pie, Chord,
        FillRect, FillSolidRect, FrameRect, InvertRect, PatBlt, SetPixel, TextOut, BitBlt, StretchBlt,
        SetDIBitsToDevice, StretchDIBits, Draw3dRect, DrawEdge, DrawFrameControl
    };
    Kind kind = LineTo;
    std::vector<Point> points; // lines and polygons; LineTo: from, to; Arc/Pie/Chord: start, end radials
    std::vector<int> counts;   // PolyPolygon: points of each polygon
    Rect rect;                 // shapes, fills, blit destination
    Size corner;               // RoundRect: the corner ellipse
    std::string text;          // TextOut: UTF-8
    COLORREF colour = 0;       // SetPixel, FillSolidRect, Draw3dRect top-left
    COLORREF colour2 = 0;      // Draw3dRect bottom-right
    Brush brush;               // FillRect, FrameRect
    std::uint32_t rop = SRCCOPY;
    unsigned flags = 0;        // DrawEdge edge / DrawFrameControl type, DIB usage
    unsigned flags2 = 0;       // DrawEdge and DrawFrameControl flags
    Rect source;               // blit source rectangle (x, y, x + w, y + h)
    const class Dc* sourceDc = nullptr;     // valid during the call only
    const Dib* dib = nullptr;               // valid during the call only
    int startScan = 0;
    int scanLines = 0;
};

class Dc {
public:
    Dc();
    virtual ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    // Objects. Each select gives back the object it replaced; an empty object selects nothing.
    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    // Memory device contexts only (ImageDc): the bitmap drawn into from now on.
    virtual Bitmap SelectObject(const Bitmap& bitmap);
    Palette SelectPalette(const Palette& palette, bool forceBackground = false);
    int RealizePalette();
    const Pen& GetCurrentPen() const { return state_.pen; }
    const Brush& GetCurrentBrush() const { return state_.brush; }
    const Font& GetCurrentFont() const { return state_.font; }
    const Palette& GetCurrentPalette() const { return state_.palette; }

    // Attributes; each setter gives back the old value.
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return state_.textColour; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return state_.bkColour; }
    int SetBkMode(int mode);
    int GetBkMode() const { return state_.bkMode; }
    int SetROP2(int mode);
    int GetROP2() const { return state_.rop2; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return state_.polyFillMode; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return state_.textAlign; }
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const { return state_.stretchMode; }

    // Mapping modes: device = (logical - window origin) * viewport extent / window extent
    // + viewport origin, rounded to the nearest pixel.
    int SetMapMode(int mode);
    int GetMapMode() const { return state_.mapMode; }
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);
    Point SetWindowOrg(int x, int y);
    Point SetViewportOrg(int x, int y);
    Point OffsetViewportOrg(int dx, int dy);
    Point OffsetWindowOrg(int dx, int dy);
    Size GetWindowExt() const { return state_.windowExt; }
    Size GetViewportExt() const { return state_.viewportExt; }
    Point GetWindowOrg() const { return state_.windowOrg; }
    Point GetViewportOrg() const { return state_.viewportOrg; }
    Point LPtoDP(Point p) const;
    Point DPtoLP(Point p) const;
    Rect LPtoDP(const Rect& r) const; // normalised

    // Clipping by rectangles (logical coordinates in, device pixels kept).
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const Rect& r) { return IntersectClipRect(r.left, r.top, r.right, r.bottom); }
    int SelectClipRect(const Rect* r); // nullptr removes the clip
    int GetClipBox(Rect& box) const;   // logical

    int SaveDC();
    bool RestoreDC(int saved); // a level from SaveDC, or -1 for the last one

    // Lines and shapes.
    Point MoveTo(int x, int y);
    Point MoveTo(Point p) { return MoveTo(p.x, p.y); }
    Point GetCurrentPosition() const { return state_.position; }
    bool LineTo(int x, int y);
    bool LineTo(Point p) { return LineTo(p.x, p.y); }
    bool Polyline(const Point* points, int count);
    bool Polyline(const std::vector<Point>& points) { return Polyline(points.data(), int(points.size())); }
    bool Polygon(const Point* points, int count);
    bool Polygon(const std::vector<Point>& points) { return Polygon(points.data(), int(points.size())); }
    bool PolyPolygon(const Point* points, const int* counts, int polygons);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const Rect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool Ellipse(int left, int top, int right, int bottom);
    bool Ellipse(const Rect& r) { return Ellipse(r.left, r.top, r.right, r.bottom); }
    bool RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    // Counter-clockwise from the radial through (x3, y3) to the radial through (x4, y4).
    bool Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    bool Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    bool Chord(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);

    // Fills (no pen, no ROP2).
    void FillRect(const Rect& r, const Brush& brush);
    // Sets the background colour to the colour (and leaves it so) and fills the rectangle.
    void FillSolidRect(const Rect& r, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) { FillSolidRect(Rect{x, y, x + cx, y + cy}, colour); }
    void FrameRect(const Rect& r, const Brush& brush);
    void InvertRect(const Rect& r);
    bool PatBlt(int x, int y, int width, int height, std::uint32_t rop);
    COLORREF SetPixel(int x, int y, COLORREF colour);
    COLORREF SetPixel(Point p, COLORREF colour) { return SetPixel(p.x, p.y, colour); }
    virtual COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(Point p) const { return GetPixel(p.x, p.y); }

    // Text, UTF-8.
    bool TextOut(int x, int y, std::string_view text);
    // The cell of the text in the selected font (logical units) and the font's metrics.
    virtual Size GetTextExtent(std::string_view text) const;
    virtual bool GetTextMetrics(TextMetric& metric) const;

    // Block transfers; a source of nullptr for the pattern-only operations.
    bool BitBlt(int x, int y, int width, int height, const Dc* source, int xSrc, int ySrc, std::uint32_t rop);
    bool StretchBlt(int x, int y, int width, int height, const Dc* source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, std::uint32_t rop);
    // (xSrc, ySrc) count from the bottom-left corner of a bottom-up picture (the top-left of a
    // top-down one); only the scan lines startScan .. startScan + scanLines - 1 (from the
    // bottom) are drawn. One picture pixel a device pixel.
    int SetDIBitsToDevice(int x, int y, int width, int height, int xSrc, int ySrc, int startScan,
                          int scanLines, const Dib& dib, unsigned usage);
    // (xSrc, ySrc) count from the bottom-left corner of a bottom-up picture (the top-left of a
    // top-down one), as with SetDIBitsToDevice; negative sizes mirror.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, const Dib& dib, unsigned usage, std::uint32_t rop);

    // Three-dimensional frames. Draw3dRect leaves the background colour set to bottomRight, as
    // the old helper (two solid fills) did.
    void Draw3dRect(const Rect& r, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
    {
        Draw3dRect(Rect{x, y, x + cx, y + cy}, topLeft, bottomRight);
    }
    bool DrawEdge(Rect& r, unsigned edge, unsigned flags);
    bool DrawFrameControl(Rect& r, unsigned type, unsigned state);

    virtual int GetDeviceCaps(int index) const = 0;
    // The bitmap drawn into (ImageDc, and RecordingDc with a picture); empty for a printer.
    // Block transfers read their source through it.
    virtual Bitmap GetSurface() const;

    const DcState& State() const { return state_; }

protected:
    // Carries out one drawing call; the Dc's state holds the selected objects and modes.
    virtual bool execute(const DrawOp& op) = 0;
    // The resolved colour of a colour reference (palette indices through the selected palette).
    COLORREF resolve(COLORREF colour) const;
    // Device-space helpers for the implementations.
    Point toDevice(Point p) const { return LPtoDP(p); }
    Rect toDevice(const Rect& r) const { return LPtoDP(r); }
    int toDeviceWidth(int logical) const;  // pen widths and the like, along x
    int toDeviceHeight(int logical) const; // font heights, along y
    Size toLogicalSize(Size device) const;  // text extents back into logical units
    // The clip rectangle in device pixels intersected with the device bounds.
    Rect deviceClip(const Rect& bounds) const;
    // Copies the state into another Dc (RecordingDc keeps its drawing Dc in step).
    void copyStateTo(Dc& other) const { other.state_ = state_; }
    DcState state_;
    friend class RecordingDc; // hands its calls on to the Dc it draws into

private:
    void fitIsotropic();
    std::vector<DcState> saved_;
};

} // namespace vd
