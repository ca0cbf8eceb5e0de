// Fuzz target: an album or point file read into the list of the route, area and album dialog,
// each entry written as a RouteFile line, and the whole input taken as a typed memo and route name.
#include "dialogs/albums/AlbumFieldText.h"
#include "dialogs/albums/RouteFile.h"
#include "dialogs/files/PointListFile.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("RouteFileFuzz", ".alb", data, size);
    const PointList list = ReadPointList(path, PointListFilter::Full);
    for (int i = 0; i < list.count; ++i)
        RouteFileLine(list.entry[i]);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RouteFileLine(text);
    AlbumFieldText(text);
    RouteNameText(text);
    return 0;
}
