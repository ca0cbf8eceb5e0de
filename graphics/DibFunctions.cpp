#include "graphics/DibFunctions.h"

#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/PathResolver.h"

int DibWidth(const vd::Dib& dib)
{
    return dib.Width();
}

int DibHeight(const vd::Dib& dib)
{
    return dib.Height();
}

int DibNumColors(const vd::Dib& dib)
{
    return dib.NumColors();
}

int DibPaletteSize(const vd::Dib& dib)
{
    return dib.PaletteSize();
}

const std::uint8_t* FindDibBits(const vd::Dib& dib)
{
    return dib.Bits();
}

vd::Dib ReadDibFile(const std::string& winPath)
{
    const auto linuxPath = vd::resolvePath(winPath);
    if (!linuxPath)
        return {};
    return vd::Dib::ReadFile(*linuxPath);
}

int PaintDib(vd::Dc& dc, const vd::Rect& destination, const vd::Dib& dib, const vd::Rect& source,
             const vd::Palette* palette)
{
    if (dib.IsNull())
        return 0;
    vd::Palette previous;
    if (palette && !palette->IsNull())
        previous = dc.SelectPalette(*palette, true);
    dc.SetStretchBltMode(vd::COLORONCOLOR);
    int painted;
    if (destination.Width() == source.Width() && destination.Height() == source.Height()) {
        painted = dc.SetDIBitsToDevice(destination.left, destination.top, destination.Width(),
                                       destination.Height(), source.left, DibHeight(dib) - source.bottom, 0,
                                       DibHeight(dib), dib, vd::DIB_RGB_COLORS);
    } else {
        painted = dc.StretchDIBits(destination.left, destination.top, destination.Width(), destination.Height(),
                                   source.left, source.top, source.Width(), source.Height(), dib,
                                   vd::DIB_RGB_COLORS, vd::SRCCOPY);
    }
    if (palette && !palette->IsNull())
        dc.SelectPalette(previous, true);
    return painted;
}
