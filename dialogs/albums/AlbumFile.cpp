#include "dialogs/albums/AlbumFile.h"

#include "platform/fs/TextWriter.h"

std::string AlbumPageLine(const AlbumPage& page)
{
    std::string line = page.memo1 + " " + page.latitude + " " + page.longitude + " " + page.memo2;
    if (!page.picture.empty())
        line += " " + page.picture;
    if (!page.text.empty())
        line += " " + page.text;
    return line;
}

bool WriteAlbumPage(const std::string& winPath, const AlbumPage& page, bool firstPage)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, firstPage ? vd::WriteMode::Replace : vd::WriteMode::Append))
        return false;
    writer.writeLine(AlbumPageLine(page));
    return writer.close();
}
