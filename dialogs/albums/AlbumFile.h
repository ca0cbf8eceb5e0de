#pragma once
// The album file (ALBUM\, one page a line, CR LF): memo 1, the album point's latitude and
// longitude texts, memo 2 (possibly empty, leaving two blanks in a row), then the picture file
// and the text file when given, the picture first, each after one blank. Read back as point
// lines: memo 1 in the name's place, memo 2 in the item's.
#include <string>

struct AlbumPage {
    std::string memo1;
    std::string latitude;
    std::string longitude;
    std::string memo2;
    std::string picture;
    std::string text;
};

std::string AlbumPageLine(const AlbumPage& page);

// Writes a page: the first page of a run replaces whatever the file held, later ones are added at
// its end (a file that vanished meanwhile is made again). False when the line was not written.
bool WriteAlbumPage(const std::string& winPath, const AlbumPage& page, bool firstPage);
