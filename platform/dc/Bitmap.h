#pragma once
// A bitmap as the old platform's handle had it: copies share the same pixels, so a bitmap selected
// into a memory Dc and drawn there shows the drawing to every holder of it. Deleting one holder's
// handle leaves the pixels to the others (a Dc that still has it selected keeps drawing into it).
#include "platform/dc/Color.h"
#include "platform/dc/Dib.h"
#include "platform/dc/Geometry.h"

#include <memory>
#include <string>

namespace vd {

class Dc;

struct BitmapInfo {
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    int bmPlanes = 1;
    int bmBitsPixel = 0;
};

class Bitmap {
public:
    Bitmap();
    ~Bitmap();
    Bitmap(const Bitmap&);
    Bitmap& operator=(const Bitmap&);

    // A device bitmap of the given size (32 bits a pixel, as the screen), black unless `fill`
    // gives its colour.
    bool CreateBitmap(int width, int height, COLORREF fill = RGB(0, 0, 0));
    bool CreateCompatibleBitmap(const Dc* dc, int width, int height);
    // A DIB section with the picture and bit count of the DIB.
    bool CreateFromDib(const Dib& dib);
    // A .bmp file at a Linux path loaded as a DIB section; false for a missing or damaged file.
    bool LoadImageFile(const std::string& path, std::string* error = nullptr);
    void DeleteObject();
    bool IsNull() const;

    BitmapInfo GetBitmapInfo() const;
    Size GetSize() const;
    // The pixels written back as a DIB of 24 or 32 bits (8 bits: a colour table of the picture's
    // first 256 distinct colours, the rest mapped to the nearest of them).
    Dib ToDib(int bitCount = 24) const;
    // The pixels written as a .bmp file of 24 or 32 bits at a Linux path, row by row as ToDib()
    // lays them out (no DIB of the whole picture is made). False when it could not be written.
    bool WriteDibFile(const std::string& path, int bitCount = 24) const;

    // Same pixels.
    friend bool operator==(const Bitmap& a, const Bitmap& b) { return a.impl_ == b.impl_; }

    struct Impl;
    Impl* impl() const { return impl_.get(); }

private:
    std::shared_ptr<Impl> impl_;
};

} // namespace vd
