// JPEG pictures through the project's decoder: the bytes become a .jpg file that the document
// decodes into its page picture, which is then painted into a small picture.
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "view/DibFunctions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    CVeldoranDoc& doc = vd::fuzz::document();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/picture.jpg", data, size);

    doc.LoadJpegBitmap(path);
    if (doc.m_bPictureLoaded == 1) {
        const vd::Dib& picture = doc.m_bmpPicture;
        vd::ImageDc dc(64, 48);
        PaintDib(dc, {0, 0, 64, 48}, picture, {0, 0, DibWidth(picture), DibHeight(picture)}, nullptr);
    }
    return 0;
}
