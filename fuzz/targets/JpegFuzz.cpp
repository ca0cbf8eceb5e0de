// JPEG pictures through the project's decoder: the bytes become a .jpg file that the document
// decodes into its page picture, which is then painted into a small picture.
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "graphics/DibFunctions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    CVeldoranDoc& doc = vd::fuzz::document();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/picture.jpg", data, size);

    doc.LoadJpegBitmap(path);
    // A damaged header may claim a picture of millions of pixels that decodes fast; converting
    // it for drawing takes long under instrumentation. Drawing is the DIB target's subject.
    if (doc.entry.m_bPictureLoaded == 1 &&
        DibWidth(doc.entry.m_bmpPicture) * std::int64_t{DibHeight(doc.entry.m_bmpPicture)} <= 1 << 20) {
        const vd::Dib& picture = doc.entry.m_bmpPicture;
        vd::ImageDc dc(64, 48);
        PaintDib(dc, {0, 0, 64, 48}, picture, {0, 0, DibWidth(picture), DibHeight(picture)}, nullptr);
    }
    return 0;
}
