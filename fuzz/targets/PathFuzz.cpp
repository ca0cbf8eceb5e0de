// Windows-form path resolution with hostile names: the bytes are a name below a folder of the
// scratch tree (through the drive Q:, mapped to it) and a drive-map value. Whatever the name
// ("..", NUL, drive letters, mixed case, very long), what it resolves to stays inside the drive.
#include "fuzz/support/FuzzScratch.h"
#include "platform/fs/DriveMap.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathResolver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::filesystem::path g_root;

// Once: the tree, and the drive Q: mapped to it.
void makeTree()
{
    if (!g_root.empty())
        return;
    g_root = vd::fuzz::scratchFolder() / "drive-q";
    for (const char* folder : {"Data/Sub", "DATA2/MiXeD", "data3"})
        std::filesystem::create_directories(g_root / folder);
    for (const char* file : {"Data/File.DAT", "Data/Sub/a.txt", "DATA2/MiXeD/B.BMP", "data3/c.jpg"})
        std::ofstream(g_root / file) << "x";
    vd::setDriveMap(vd::DriveMap::fromSpec("Q=" + g_root.string()));
}

void mustStayInside(const std::optional<std::string>& resolved)
{
    if (resolved && resolved->compare(0, g_root.native().size(), g_root.native()) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    makeTree();
    const std::string name = vd::fuzz::bytesText(data, size);
    for (const std::string& path : {"Q:\\" + name, "Q:\\Data\\" + name, "q:\\data\\sub\\" + name}) {
        mustStayInside(vd::resolvePath(path));
        mustStayInside(vd::resolvePathForCreate(path));
        if (const auto part = vd::resolveExistingPart(path))
            mustStayInside(part->existing);
        if (const auto entries = vd::listFolder(path)) {
            for (const vd::FolderEntry& entry : *entries)
                (void)entry;
        }
    }
    vd::toWindowsPath(name);
    vd::toWindowsPath((g_root / name).string());
    std::vector<std::string> rejected;
    vd::DriveMap::fromSpec(name, &rejected);
    return 0;
}
