#pragma once
// Colour references as the old platform had them: 0x00BBGGRR, red in the low byte. A high byte of
// 1 names an entry of the selected palette (PALETTEINDEX), 2 the palette colour nearest to an RGB
// value (PALETTERGB); on our true-colour devices both resolve to a plain colour.
#include <cstdint>

namespace vd {

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(std::uint8_t(r)) | (COLORREF(std::uint8_t(g)) << 8) | (COLORREF(std::uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }
constexpr COLORREF PALETTEINDEX(int index) { return 0x01000000u | std::uint16_t(index); }
constexpr COLORREF PALETTERGB(int r, int g, int b) { return 0x02000000u | RGB(r, g, b); }

// What GetPixel gives outside the picture or on a device without pixels.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

} // namespace vd
