#pragma once
// From the Windows-form paths the system uses to Linux paths and back. A path is resolved only
// when a file is opened, created, listed or removed: the drive through the drive map, then each
// component against what is on disk, exact match first, else without regard to ASCII case
// (published data is upper case, the system often asks in lower case).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// The Linux path of an existing file or folder, or nullopt. A path without a drive is on `Z:`
// when it starts with a separator, else relative to the current folder. A path ending in a
// separator names a folder only.
std::optional<std::string> resolvePath(std::string_view winPath);

// Where a file is to be created: its folder must exist; a file whose name differs only in case
// is that file (so it is written, not doubled); otherwise the name as given.
std::optional<std::string> resolvePathForCreate(std::string_view winPath);

// The longest part of the path that exists, as a Linux path, and the components after it
// (as given). nullopt when the drive is not mapped.
struct PartialPath {
    std::string existing;
    std::vector<std::string> missing;
};
std::optional<PartialPath> resolveExistingPart(std::string_view winPath);

// The way back: a Linux path (absolute, or relative to the current folder) as a Windows-form
// path through the longest matching drive root; nullopt when no drive holds it.
std::optional<std::string> toWindowsPath(std::string_view linuxPath);

// Forgets the folder listings kept for resolution (they refresh by themselves when a folder
// changes; this is for measuring the cold case).
void clearFolderCache();

} // namespace vd
