// Fuzz target: a menu file as the menu registration dialog reads and rewrites it: every item menu
// and the guide-map form read, then one item menu and the guide map rewritten with an entry added.
#include "dialogs/files/MenuFileEntries.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("MenuFileFuzz", ".dat", data, size);
    for (int menu = 0; menu <= 8; ++menu)
        ReadItemMenu(path, menu);
    MenuSlots slots = ReadItemMenu(path, 2);
    slots[34] = {"題@[M 名", "a.txt$b"};
    RewriteItemMenu(path, 2, slots);
    MenuSlots maps = ReadGuideMapMenu(path);
    maps[0] = {"; 地 図", "PICT\\A.BMP"};
    RewriteGuideMapMenu(path, maps);
    return 0;
}
