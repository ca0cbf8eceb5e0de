#pragma once
// Private (Qt): the pixels behind a Bitmap handle, and the one painter that draws into them.
// The painter stays open between calls (opening one costs more than most drawing calls); every
// Dc that draws with it sets up pen, brush, clip and mode afresh for each call.
#include "platform/dc/Bitmap.h"
#include "platform/dc/Raster.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace vd {

struct Bitmap::Impl {
    QImage image; // Format_RGB32
    int bitsPixel = 32;
    std::unique_ptr<QPainter> painter;

    ~Impl();
    QPainter& beginPainting();
    void endPainting();
    raster::Surface surface();
};

// The image of a bitmap (an empty image for an empty handle).
const QImage& bitmapImage(const Bitmap& bitmap);
// A bitmap handle around an image (converted to 32 bits a pixel).
Bitmap bitmapFromImage(const QImage& image, int bitsPixel = 32);
// A DIB as a 32-bit image, top row first. Colour tables are RGB colours (DIB_RGB_COLORS).
QImage dibToImage(const Dib& dib);

} // namespace vd
