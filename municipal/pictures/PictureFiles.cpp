#include "municipal/pictures/PictureFiles.h"

#include "graphics/DibFunctions.h"
#include "graphics/JpegFile.h"
#include "platform/text/StringOps.h"

namespace surrick {

namespace {

bool HasPart(const std::string& path, const char* part)
{
    return vd::toLowerAscii(path).find(part) != std::string::npos;
}

vd::Dib HeldPicture(vd::Dib picture)
{
    if (picture.IsNull() || picture.Width() <= 0 || picture.AbsHeight() <= 0)
        return {};
    return picture;
}

} // namespace

vd::Dib LoadJpegDib(const std::string& path)
{
    return HeldPicture(ReadJpegDib(path));
}

vd::Dib LoadPointPicture(const std::string& path)
{
    return HasPart(path, ".jpg") ? LoadJpegDib(path) : HeldPicture(ReadDibFile(path));
}

vd::Dib LoadPreviewPicture(const std::string& path)
{
    if (HasPart(path, ".bmp"))
        return HeldPicture(ReadDibFile(path));
    if (HasPart(path, ".jpg"))
        return LoadJpegDib(path);
    return {};
}

} // namespace surrick
