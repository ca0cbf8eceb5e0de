#include "platform/dc/BitmapImpl.h"

#include "platform/dc/Dc.h"
#include "platform/dc/GdiObjects.h"

#include "platform/fs/LittleEndian.h"

#include <map>
#include <string>
#include <vector>

namespace vd {
namespace {

// One row of 32-bit pixels as a DIB row of 24 or 32 bits (blue, green, red[, 0]).
void packRow(const std::uint32_t* row, int width, int bitCount, std::uint8_t* out)
{
    const int step = bitCount / 8;
    for (int x = 0; x < width; ++x, out += step) {
        const std::uint32_t p = row[x];
        out[0] = std::uint8_t(p);
        out[1] = std::uint8_t(p >> 8);
        out[2] = std::uint8_t(p >> 16);
        if (step == 4)
            out[3] = 0;
    }
}

} // namespace

Bitmap::Impl::~Impl() { endPainting(); }

QPainter& Bitmap::Impl::beginPainting()
{
    if (!painter) {
        painter = std::make_unique<QPainter>();
        painter->begin(&image);
    }
    return *painter;
}

void Bitmap::Impl::endPainting()
{
    if (painter) {
        painter->end();
        painter.reset();
    }
}

raster::Surface Bitmap::Impl::surface()
{
    raster::Surface s;
    if (image.isNull())
        return s;
    s.pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    s.width = image.width();
    s.height = image.height();
    s.stride = int(image.bytesPerLine() / 4);
    return s;
}

Bitmap::Bitmap() = default;
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap&) = default;
Bitmap& Bitmap::operator=(const Bitmap&) = default;

bool Bitmap::CreateBitmap(int width, int height, COLORREF fill)
{
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > (std::int64_t(1) << 28))
        return false;
    auto impl = std::make_shared<Impl>();
    impl->image = QImage(width, height, QImage::Format_RGB32);
    if (impl->image.isNull())
        return false;
    impl->image.fill(raster::toPixel(fill & 0xFFFFFFu));
    impl_ = std::move(impl);
    return true;
}

bool Bitmap::CreateCompatibleBitmap(const Dc*, int width, int height) { return CreateBitmap(width, height); }

bool Bitmap::CreateFromDib(const Dib& dib)
{
    if (dib.IsNull())
        return false;
    QImage image = dibToImage(dib);
    if (image.isNull())
        return false;
    *this = bitmapFromImage(image, dib.BitCount());
    return true;
}

bool Bitmap::LoadImageFile(const std::string& path, std::string* error)
{
    const Dib dib = Dib::ReadFile(path, error);
    return !dib.IsNull() && CreateFromDib(dib);
}

void Bitmap::DeleteObject() { impl_.reset(); }
bool Bitmap::IsNull() const { return !impl_; }

BitmapInfo Bitmap::GetBitmapInfo() const
{
    BitmapInfo info;
    if (!impl_)
        return info;
    info.bmWidth = impl_->image.width();
    info.bmHeight = impl_->image.height();
    info.bmBitsPixel = impl_->bitsPixel;
    info.bmWidthBytes = ((info.bmWidth * info.bmBitsPixel + 15) / 16) * 2;
    return info;
}

Size Bitmap::GetSize() const
{
    return impl_ ? Size{impl_->image.width(), impl_->image.height()} : Size{};
}

Dib Bitmap::ToDib(int bitCount) const
{
    if (!impl_ || (bitCount != 8 && bitCount != 24 && bitCount != 32))
        return Dib();
    const QImage& image = impl_->image;
    // The size read once: QImage's accessors are calls into the library, too dear per pixel.
    const int width = image.width();
    const int height = image.height();
    Dib dib = Dib::Create(width, height, bitCount);
    if (dib.IsNull())
        return dib;
    if (bitCount == 8) {
        // A table of the first 256 distinct colours; further colours take the nearest entry.
        std::map<std::uint32_t, int> index;
        for (int y = 0; y < height && index.size() < 256; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < width && index.size() < 256; ++x) {
                const std::uint32_t p = row[x] & 0xFFFFFFu;
                if (index.emplace(p, int(index.size())).second)
                    dib.SetColour(index[p], RgbQuad{std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), 0});
            }
        }
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                const auto it = index.find(row[x] & 0xFFFFFFu);
                if (it != index.end())
                    dib.SetIndex(x, y, it->second);
                else
                    dib.SetPixel(x, y, raster::fromPixel(row[x]));
            }
        }
        return dib;
    }
    for (int y = 0; y < height; ++y)
        packRow(reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)), width, bitCount, dib.ScanLine(y));
    return dib;
}

bool Bitmap::WriteDibFile(const std::string& path, int bitCount) const
{
    if (!impl_ || (bitCount != 24 && bitCount != 32))
        return false;
    const QImage& image = impl_->image;
    const int width = image.width();
    const int height = image.height();
    const int stride = (width * bitCount / 8 + 3) & ~3;
    const std::int64_t imageBytes = std::int64_t(stride) * height;
    if (width <= 0 || height <= 0 || 54 + imageBytes > 0xFFFFFFFFll)
        return false;
    // The file header and the 40-byte info header, as ToDib() and Dib::WriteFile() make them.
    std::string header = "BM";
    appendInt32(header, std::int32_t(54 + imageBytes));
    appendInt32(header, 0);
    appendInt32(header, 54);
    appendInt32(header, 40);
    appendInt32(header, width);
    appendInt32(header, height);
    appendInt16(header, 1);
    appendInt16(header, std::int16_t(bitCount));
    appendInt32(header, 0);
    appendInt32(header, std::int32_t(imageBytes));
    header.append(16, '\0');
    return writeBmpFile(path, [&](std::ostream& out) {
        out.write(header.data(), std::streamsize(header.size()));
        // Bottom-up: the last row of the picture first.
        std::vector<std::uint8_t> row(std::size_t(stride), 0);
        for (int y = height - 1; y >= 0 && out; --y) {
            packRow(reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)), width, bitCount, row.data());
            out.write(reinterpret_cast<const char*>(row.data()), std::streamsize(row.size()));
        }
    });
}

const QImage& bitmapImage(const Bitmap& bitmap)
{
    static const QImage empty;
    return bitmap.impl() ? bitmap.impl()->image : empty;
}

Bitmap bitmapFromImage(const QImage& image, int bitsPixel)
{
    Bitmap b;
    // A handle of one pixel that then takes the image as it is (shared, not copied, when it has
    // 32 bits a pixel already); an empty image leaves the black pixel.
    if (!b.CreateBitmap(1, 1))
        return Bitmap();
    if (!image.isNull())
        b.impl()->image = image.convertToFormat(QImage::Format_RGB32);
    b.impl()->bitsPixel = bitsPixel;
    return b;
}

QImage dibToImage(const Dib& dib)
{
    if (dib.IsNull())
        return QImage();
    const int w = dib.Width();
    const int h = dib.AbsHeight();
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int bits = dib.BitCount();
    // The colour table resolved once.
    std::vector<std::uint32_t> table(std::size_t(std::max(dib.NumColors(), 0)), 0xFF000000u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const RgbQuad q = dib.GetColour(int(i));
        table[i] = raster::toPixel(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    }
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = dib.ScanLine(y);
        auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        if (bits == 24) {
            for (int x = 0; x < w; ++x)
                out[x] = 0xFF000000u | (std::uint32_t(in[3 * x + 2]) << 16) | (std::uint32_t(in[3 * x + 1]) << 8) | in[3 * x];
        } else if (bits == 8) {
            for (int x = 0; x < w; ++x)
                out[x] = in[x] < table.size() ? table[in[x]] : 0xFF000000u;
        } else if (bits < 8) {
            for (int x = 0; x < w; ++x) {
                const int i = dib.GetIndex(x, y);
                out[x] = std::size_t(i) < table.size() ? table[std::size_t(i)] : 0xFF000000u;
            }
        } else {
            for (int x = 0; x < w; ++x)
                out[x] = raster::toPixel(dib.GetPixel(x, y));
        }
    }
    return image;
}

} // namespace vd
