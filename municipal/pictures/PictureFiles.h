#pragma once
// The picture files of registered points: .bmp files and .jpg files (the one JPEG decoder of
// graphics/), read into DIBs from Windows-form paths. An empty DIB is no picture: a missing,
// damaged or unsupported file (RLE bitmaps, CMYK JPEG), a picture too large to hold, or one of
// zero width or height.
#include "platform/dc/Dib.h"

#include <string>

namespace surrick {

// The JPEG file decoded into a 24-bit bottom-up DIB: rows of blue, green, red, each padded to
// 4 bytes, the first decoded line the last row. Greyscale pictures come out grey in colour.
vd::Dib LoadJpegDib(const std::string& path);

// The picture window's picture: a JPEG file when the name has ".jpg" in any case, else a bitmap.
vd::Dib LoadPointPicture(const std::string& path);

// The preview's picture: a bitmap when the name has ".bmp" in any case, else a JPEG file when it
// has ".jpg"; nothing for other kinds (.gif, .pcd, .pic).
vd::Dib LoadPreviewPicture(const std::string& path);

} // namespace surrick
