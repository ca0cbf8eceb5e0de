#include "app/document/DibPalette.h"

#include "app/document/VeldoranDoc.h"
#include "graphics/TintRamp.h"

#include <algorithm>
#include <vector>

bool CreateDibPalette(const CVeldoranDoc& doc, vd::Dib& dib, vd::Palette& palette, int mode, int bandMetres)
{
    if (dib.IsNull())
        return false;
    const int count = dib.NumColors();
    if (count == 0)
        return true;

    TintRamp ramp{doc.colours.m_anTintRed, doc.colours.m_anTintGreen, doc.colours.m_anTintBlue};
    if (mode == 1)
        QuantiseTintRamp(ramp, bandMetres);
    const int rampEntries = std::min(count, 256);
    if (mode == 1 || !dib.IsCore()) {
        for (int i = 0; i < rampEntries; ++i)
            dib.SetColour(i, vd::RgbQuad{std::uint8_t(ramp.blue[i]), std::uint8_t(ramp.green[i]),
                                         std::uint8_t(ramp.red[i]), 0});
    }
    std::vector<vd::PaletteEntry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const vd::RgbQuad c = dib.GetColour(i);
        entries[std::size_t(i)] = vd::PaletteEntry{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
    }
    return palette.CreatePalette(entries);
}
