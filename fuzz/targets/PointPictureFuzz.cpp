// Surrick's picture readers: the bytes become a .jpg and a .bmp file that the picture window and
// the preview read, and what they read is drawn where each would draw it into a small picture.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/pictures/PictureFiles.h"
#include "municipal/pictures/PictureFit.h"
#include "platform/dc/Bitmap.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/ImageDc.h"

#include <cstdint>

namespace {

void Draw(const vd::Dib& picture, bool preview)
{
    // Converting a picture of millions of pixels for drawing is slow under instrumentation; the
    // readers are the subject here.
    if (picture.IsNull() || std::int64_t{picture.Width()} * picture.AbsHeight() > (1 << 20))
        return;
    vd::Bitmap bitmap;
    if (!bitmap.CreateFromDib(picture))
        return;
    const vd::Size frame{64, 48};
    const vd::Size size{picture.Width(), picture.AbsHeight()};
    const vd::Rect place = preview ? surrick::PreviewPicturePlace(frame, size)
                                   : surrick::ZoomedPicturePlace(
                                         frame, size, surrick::StartingZoom(surrick::FittedMaximumZoom(frame, size)));
    vd::ImageDc dc(frame.cx, frame.cy);
    vd::ImageDc memory;
    memory.SelectObject(bitmap);
    dc.SetStretchBltMode(vd::COLORONCOLOR);
    dc.StretchBlt(place.left, place.top, place.Width(), place.Height(), &memory, 0, 0, size.cx, size.cy, vd::SRCCOPY);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string jpeg = vd::fuzz::writeApplicationFile("Fuzz/picture.JPG", data, size);
    const std::string bitmap = vd::fuzz::writeApplicationFile("Fuzz/picture.bmp", data, size);
    Draw(surrick::LoadPointPicture(jpeg), false);
    Draw(surrick::LoadPointPicture(bitmap), false);
    Draw(surrick::LoadPreviewPicture(jpeg), true);
    return 0;
}
