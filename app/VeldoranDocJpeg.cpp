// The current picture of the picture pages, decoded from a JPEG file.
#include "app/VeldoranDoc.h"

#include "app/JpegDecoder.h"
#include "platform/fs/PathResolver.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

void CVeldoranDoc::LoadJpegBitmap(const std::string& path)
{
    // Each load first lets go of the previous picture, so a failed load leaves none.
    if (m_bPictureLoaded == 1) {
        m_bmpPicture = vd::Dib();
        m_bPictureLoaded = 0;
    }
    const auto linuxPath = vd::resolvePath(path);
    if (!linuxPath)
        return;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(linuxPath->c_str(), "rb"));
    if (!file)
        return;
    try {
        const auto decoded = DecodeJpeg(file.get());
        if (!decoded)
            return;
        vd::Dib picture = vd::Dib::Create(decoded->width, decoded->height, 24);
        if (picture.IsNull() || picture.BitsSize() != decoded->bits.size())
            return;
        std::memcpy(picture.Bits(), decoded->bits.data(), decoded->bits.size());
        m_bmpPicture = std::move(picture);
        m_bPictureLoaded = 1;
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory at hand is not shown, as one that failed to decode.
    }
}
