// DIB/BMP pictures: the bytes become a .bmp file that the document loads as its current DIB (with
// each palette mode) and as a page picture, and a packed DIB in memory; what loads is painted
// into a small picture, as is, stretched and through a relief sheet's shading.
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "graphics/DibFunctions.h"

#include <span>

namespace {

void paint(const vd::Dib& dib, const vd::Palette* palette)
{
    if (dib.IsNull())
        return;
    vd::ImageDc dc(64, 48);
    const int width = DibWidth(dib);
    const int height = DibHeight(dib);
    PaintDib(dc, {0, 0, width, height}, dib, {0, 0, width, height}, palette);
    PaintDib(dc, {0, 0, 64, 48}, dib, {0, 0, width, height}, palette);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    CVeldoranDoc& doc = vd::fuzz::document();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/picture.bmp", data, size);

    for (const int paletteMode : {0, 1, 2}) {
        if (doc.LoadDib(path, paletteMode) == 1)
            paint(doc.m_hDib, &doc.m_pDibPalette);
    }
    doc.LoadBmpPicture(path);
    if (doc.entry.m_bPictureLoaded == 1)
        paint(doc.entry.m_bmpPicture, nullptr);
    paint(vd::Dib::FromPacked(std::span<const std::uint8_t>(data, size)), nullptr);

    // A relief sheet is a greyscale bitmap of the figures folder; the shaded copy is read back.
    const std::string figures = doc.folders.m_strMapFigureDir;
    doc.folders.m_strMapFigureDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    if (doc.MakeReliefBitmap("picture", 1.f, 25.f) == 1)
        paint(ReadDibFile(doc.folders.m_strMapFigureDir + "relief.bmp"), nullptr);
    doc.folders.m_strMapFigureDir = figures;
    return 0;
}
