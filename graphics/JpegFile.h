#pragma once
// A JPEG file at a Windows-form path decoded into a 24-bit bottom-up DIB (rows of blue, green,
// red), the picture the document's pages and Surrick's picture window and preview draw.
#include "platform/dc/Dib.h"

#include <string>

// An empty DIB when the file is missing, damaged, CMYK, too large to hold or the memory runs
// out; a picture whose data ends early keeps the rows it has.
vd::Dib ReadJpegDib(const std::string& windowsPath);
