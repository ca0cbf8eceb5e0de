// Fuzz target: the menu list files (MAPFILE.DAT, GUIDEMAP.DAT, MENUFILE.DAT), read as the menus
// of the two menu bars read them.
#include "fuzz/support/FuzzInputFile.h"
#include "view/menubars/MenuListFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("MenuListFilesFuzz", ".dat", data, size);
    (void)readSheetMenuList(path);
    (void)readGuideMapMenuList(path);
    (void)readItemMenuLists(path);
    return 0;
}
