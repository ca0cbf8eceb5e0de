// Fuzz target: each line of the input taken apart as a registered item's record or an album page
// is, by the view's album play (title, file and caption file).
#include "view/albums/AlbumEntry.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        albums::EntryTitle(line);
        albums::SplitEntryFiles(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return 0;
}
