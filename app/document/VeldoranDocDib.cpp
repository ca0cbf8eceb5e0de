// The document's current DIB with its palette, and .bmp pictures of the picture pages.
#include "app/document/VeldoranDoc.h"

#include "app/document/DibPalette.h"
#include "graphics/DibFunctions.h"
#include "graphics/TintRamp.h"
#include "platform/fs/FileSource.h"

int CVeldoranDoc::LoadDib(const std::string& path, int paletteMode)
{
    vd::FileSource file;
    if (!file.open(path))
        return -1;
    file.close();
    m_hDib = ReadDibFile(path);
    InitDibData(paletteMode);
    return 1;
}

void CVeldoranDoc::InitDibData(int paletteMode)
{
    const int band = ColourStepMetres(m_nColorStep);
    m_pDibPalette.DeleteObject();
    if (m_hDib.IsNull())
        return;
    if (DibWidth(m_hDib) < 0 || DibHeight(m_hDib) < 0) {
        m_hDib = vd::Dib();
        return;
    }
    m_nDibWidth = DibWidth(m_hDib);
    m_nDibHeight = DibHeight(m_hDib);
    if (!CreateDibPalette(*this, m_hDib, m_pDibPalette, paletteMode, band))
        m_pDibPalette.DeleteObject();
}

void CVeldoranDoc::LoadBmpPicture(const std::string& path)
{
    if (m_bPictureLoaded == 1) {
        m_bmpPicture = vd::Dib();
        m_bPictureLoaded = 0;
    }
    vd::Dib picture = ReadDibFile(path);
    // Only a picture that loaded counts as loaded: the pages never draw an empty one.
    if (picture.IsNull())
        return;
    m_bmpPicture = std::move(picture);
    m_bPictureLoaded = 1;
}
