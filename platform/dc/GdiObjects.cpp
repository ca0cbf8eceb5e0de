#include "platform/dc/GdiObjects.h"

#include <algorithm>
#include <climits>

namespace vd {

bool Pen::CreatePen(int style, int width, COLORREF colour)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return false;
    created_ = true;
    style_ = style;
    width_ = std::max(width, 0);
    colour_ = colour;
    return true;
}

bool Brush::CreateSolidBrush(COLORREF colour)
{
    created_ = true;
    style_ = BS_SOLID;
    colour_ = colour;
    return true;
}

bool Brush::CreateHollowBrush()
{
    created_ = true;
    style_ = BS_NULL;
    colour_ = 0;
    return true;
}

bool Font::CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic,
                      bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
                      int quality, int pitchAndFamily, const std::string& face)
{
    LogFont lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.lfFaceName = face;
    return CreateFontIndirect(lf);
}

bool Font::CreateFontIndirect(const LogFont& lf)
{
    created_ = true;
    lf_ = lf;
    return true;
}

bool Font::CreatePointFont(int pointSizeTenths, const std::string& face)
{
    LogFont lf;
    // The screen's 96 pixels an inch; 720 tenths of a point make an inch.
    lf.lfHeight = -((pointSizeTenths * 96 + 360) / 720);
    lf.lfFaceName = face;
    return CreateFontIndirect(lf);
}

bool Palette::CreatePalette(const std::vector<PaletteEntry>& entries)
{
    if (entries.empty())
        return false;
    created_ = true;
    entries_ = entries;
    return true;
}

int Palette::GetPaletteEntries(int start, int count, PaletteEntry* out) const
{
    const int size = int(entries_.size());
    if (start < 0 || start >= size || count <= 0)
        return 0;
    const int n = std::min(count, size - start);
    if (out)
        std::copy_n(entries_.begin() + start, n, out);
    return n;
}

int Palette::SetPaletteEntries(int start, int count, const PaletteEntry* in)
{
    const int size = int(entries_.size());
    if (start < 0 || start >= size || count <= 0 || !in)
        return 0;
    const int n = std::min(count, size - start);
    std::copy_n(in, n, entries_.begin() + start);
    return n;
}

int Palette::GetNearestPaletteIndex(COLORREF colour) const
{
    int best = -1;
    long bestDistance = LONG_MAX;
    for (int i = 0; i < int(entries_.size()); ++i) {
        const long dr = long(entries_[i].peRed) - GetRValue(colour);
        const long dg = long(entries_[i].peGreen) - GetGValue(colour);
        const long db = long(entries_[i].peBlue) - GetBValue(colour);
        const long d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

Pen StockPen(int id)
{
    switch (id) {
    case WHITE_PEN: return Pen(PS_SOLID, 1, RGB(255, 255, 255));
    case BLACK_PEN: return Pen(PS_SOLID, 1, RGB(0, 0, 0));
    case NULL_PEN: return Pen(PS_NULL, 1, 0);
    default: return Pen();
    }
}

Brush StockBrush(int id)
{
    Brush b;
    switch (id) {
    case WHITE_BRUSH: b.CreateSolidBrush(RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: b.CreateSolidBrush(RGB(192, 192, 192)); break;
    case GRAY_BRUSH: b.CreateSolidBrush(RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: b.CreateSolidBrush(RGB(64, 64, 64)); break;
    case BLACK_BRUSH: b.CreateSolidBrush(RGB(0, 0, 0)); break;
    case NULL_BRUSH: b.CreateHollowBrush(); break;
    default: break;
    }
    return b;
}

Font StockFont(int id)
{
    LogFont lf;
    switch (id) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        lf.lfHeight = 16;
        lf.lfFaceName = "ＭＳ ゴシック";
        break;
    case ANSI_VAR_FONT:
        lf.lfHeight = 16;
        lf.lfFaceName = "ＭＳ Ｐゴシック";
        break;
    case DEFAULT_GUI_FONT:
        lf.lfHeight = -12;
        lf.lfFaceName = "ＭＳ Ｐゴシック";
        break;
    default:
        return Font();
    }
    return Font(lf);
}

Palette StockPalette()
{
    static const std::uint8_t colours[20][3] = {
        {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128},
        {192, 192, 192}, {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164},
        {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255},
        {0, 255, 255}, {255, 255, 255}};
    std::vector<PaletteEntry> entries;
    for (const auto& c : colours)
        entries.push_back({c[0], c[1], c[2], 0});
    Palette p;
    p.CreatePalette(entries);
    return p;
}

} // namespace vd
