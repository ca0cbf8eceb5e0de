#pragma once
// Pens, brushes, fonts and palettes as values. Selecting one into a Dc copies it there, so
// deleting (or destroying) an object that is still selected is harmless. An object that was never
// created, or was deleted, is empty: selecting it changes nothing and gives an empty object back,
// as selecting a null handle did.
#include "platform/dc/Color.h"
#include "platform/dc/GdiConstants.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vd {

class Pen {
public:
    Pen() = default;
    Pen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    bool CreatePen(int style, int width, COLORREF colour);
    void DeleteObject() { *this = Pen(); }
    bool IsNull() const { return !created_; }
    int Style() const { return style_; }
    int Width() const { return width_; }
    COLORREF Colour() const { return colour_; }
    friend bool operator==(const Pen&, const Pen&) = default;

private:
    bool created_ = false;
    int style_ = PS_SOLID;
    int width_ = 1;
    COLORREF colour_ = 0;
};

class Brush {
public:
    Brush() = default;
    explicit Brush(COLORREF colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(COLORREF colour);
    bool CreateHollowBrush();
    void DeleteObject() { *this = Brush(); }
    bool IsNull() const { return !created_; }
    int Style() const { return style_; }
    COLORREF Colour() const { return colour_; }
    friend bool operator==(const Brush&, const Brush&) = default;

private:
    bool created_ = false;
    int style_ = BS_SOLID;
    COLORREF colour_ = 0;
};

// The old platform's font description. Height: positive is the cell height, negative the
// character (em) height, 0 a default of 12 pixels. Escapement in tenths of a degree.
struct LogFont {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    int lfCharSet = SHIFTJIS_CHARSET;
    int lfOutPrecision = OUT_DEFAULT_PRECIS;
    int lfClipPrecision = CLIP_DEFAULT_PRECIS;
    int lfQuality = DEFAULT_QUALITY;
    int lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::string lfFaceName; // UTF-8
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

class Font {
public:
    Font() = default;
    explicit Font(const LogFont& lf) { CreateFontIndirect(lf); }
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic,
                    bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
                    int quality, int pitchAndFamily, const std::string& face);
    bool CreateFontIndirect(const LogFont& lf);
    // A font of the given height (tenths of a point at 96 pixels an inch, as the old helper had).
    bool CreatePointFont(int pointSizeTenths, const std::string& face);
    void DeleteObject() { *this = Font(); }
    bool IsNull() const { return !created_; }
    const LogFont& GetLogFont() const { return lf_; }
    friend bool operator==(const Font&, const Font&) = default;

private:
    bool created_ = false;
    LogFont lf_;
};

struct PaletteEntry {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A logical palette. Our devices hold true colour, so a palette only matters for DIBs whose colour
// table holds palette indices and for PALETTEINDEX colours.
class Palette {
public:
    Palette() = default;
    bool CreatePalette(const std::vector<PaletteEntry>& entries);
    void DeleteObject() { *this = Palette(); }
    bool IsNull() const { return !created_; }
    int GetEntryCount() const { return int(entries_.size()); }
    int GetPaletteEntries(int start, int count, PaletteEntry* out) const;
    int SetPaletteEntries(int start, int count, const PaletteEntry* in);
    int GetNearestPaletteIndex(COLORREF colour) const;
    const std::vector<PaletteEntry>& Entries() const { return entries_; }
    friend bool operator==(const Palette&, const Palette&) = default;

private:
    bool created_ = false;
    std::vector<PaletteEntry> entries_;
};

Pen StockPen(int id);     // WHITE_PEN, BLACK_PEN, NULL_PEN
Brush StockBrush(int id); // WHITE_BRUSH ... BLACK_BRUSH, NULL_BRUSH / HOLLOW_BRUSH
Font StockFont(int id);   // SYSTEM_FONT, DEFAULT_GUI_FONT, ...
Palette StockPalette();   // DEFAULT_PALETTE: the 20 static colours

} // namespace vd
