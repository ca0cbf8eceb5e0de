// The current picture of the picture pages, decoded from a JPEG file.
#include "app/document/VeldoranDoc.h"

#include "graphics/JpegFile.h"

void CVeldoranDoc::LoadJpegBitmap(const std::string& path)
{
    // Each load first lets go of the previous picture, so a failed load leaves none.
    if (entry.m_bPictureLoaded == 1) {
        entry.m_bmpPicture = vd::Dib();
        entry.m_bPictureLoaded = 0;
    }
    vd::Dib picture = ReadJpegDib(path);
    if (picture.IsNull())
        return;
    entry.m_bmpPicture = std::move(picture);
    entry.m_bPictureLoaded = 1;
}
