// Pelmora's export that writes the default layer settings files. The program calls it at start
// for the files it finds missing; a user's existing file is never overwritten, whichever of the
// others is missing.
#include "contracts/pelmora.h"

#include "layers/settings/DefaultLayerSettings.h"
#include "platform/fs/FileSystem.h"

namespace {

using DefaultWriter = bool (*)(const std::string&);

void WriteWhenMissing(const std::string& path, DefaultWriter write)
{
    // The platform matches names without regard to case, so "DDDPFILE.DAT" counts as present.
    if (!vd::pathExists(path))
        write(path);
}

} // namespace

extern "C" __attribute__((visibility("default"))) void OnDddFileEdit(std::string path, std::string folder, int selector)
{
    try {
        if (selector != 1) {
            WriteWhenMissing(path, WriteDefaultLineSettings);
            WriteWhenMissing(folder + "DddSFile.dat", WriteDefaultSurfaceSettings);
        }
        WriteWhenMissing(folder + "DddPFile.dat", WriteDefaultPointSettings);
        WriteWhenMissing(folder + "DdMsFile.dat", WriteDefaultNatureMeshSettings);
    } catch (...) {
        // Nothing crosses the library boundary; a file not written is found missing next time.
    }
}
