#include "graphics/JpegFile.h"

#include "graphics/JpegDecoder.h"
#include "platform/fs/PathResolver.h"
#include "platform/fs/RegularFile.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

vd::Dib ReadJpegDib(const std::string& windowsPath)
{
    const auto linuxPath = vd::resolvePath(windowsPath);
    if (!linuxPath)
        return {};
    const int fd = vd::openRegularFile(*linuxPath, O_RDONLY);
    if (fd < 0)
        return {};
    std::unique_ptr<std::FILE, FileCloser> file(fdopen(fd, "rb"));
    if (!file) {
        close(fd);
        return {};
    }
    try {
        const auto decoded = DecodeJpeg(file.get());
        if (!decoded)
            return {};
        vd::Dib picture = vd::Dib::Create(decoded->width, decoded->height, 24);
        if (picture.IsNull() || picture.BitsSize() != decoded->bits.size())
            return {};
        std::memcpy(picture.Bits(), decoded->bits.data(), decoded->bits.size());
        return picture;
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory at hand is not shown, as one that failed to decode.
        return {};
    }
}
