// The document's current DIB with its palette, and .bmp pictures of the picture pages.
#include "app/document/VeldoranDoc.h"

#include "app/document/DibPalette.h"
#include "graphics/DibFunctions.h"
#include "graphics/TintRamp.h"
#include "platform/fs/FileSource.h"

int CVeldoranDoc::LoadDib(SheetDrawState& draw, const std::string& path, int paletteMode) const
{
    vd::FileSource file;
    if (!file.open(path))
        return -1;
    file.close();
    draw.m_hDib = ReadDibFile(path);
    InitDibData(draw, paletteMode);
    return 1;
}

void CVeldoranDoc::InitDibData(SheetDrawState& draw, int paletteMode) const
{
    const int band = ColourStepMetres(colours.m_nColorStep);
    draw.m_pDibPalette.DeleteObject();
    if (draw.m_hDib.IsNull())
        return;
    if (DibWidth(draw.m_hDib) < 0 || DibHeight(draw.m_hDib) < 0) {
        draw.m_hDib = vd::Dib();
        return;
    }
    draw.m_nDibWidth = DibWidth(draw.m_hDib);
    draw.m_nDibHeight = DibHeight(draw.m_hDib);
    if (!CreateDibPalette(*this, draw.m_hDib, draw.m_pDibPalette, paletteMode, band))
        draw.m_pDibPalette.DeleteObject();
}

void CVeldoranDoc::LoadBmpPicture(const std::string& path)
{
    if (entry.m_bPictureLoaded == 1) {
        entry.m_bmpPicture = vd::Dib();
        entry.m_bPictureLoaded = 0;
    }
    vd::Dib picture = ReadDibFile(path);
    // Only a picture that loaded counts as loaded: the pages never draw an empty one.
    if (picture.IsNull())
        return;
    entry.m_bmpPicture = std::move(picture);
    entry.m_bPictureLoaded = 1;
}
