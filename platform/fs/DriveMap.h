#pragma once
// The drive letters of Windows-form paths and the Linux folders they stand for. `Z:` is `/`
// unless VELDORAN_DRIVES says otherwise; further drives (an old data CD-ROM copied to a folder)
// come from the same variable: "D=/srv/ksj;E=/media/cdrom".
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class DriveMap {
public:
    struct Drive {
        char letter;          // upper case
        std::string root;     // absolute Linux folder, no trailing slash ("" for "/")
        std::string realRoot; // the same folder with symbolic links resolved (root when missing)
    };

    // Only `Z:` -> "/".
    DriveMap();

    // The default map with the entries of a VELDORAN_DRIVES value added or replaced. Entries
    // that are not "<letter>=<absolute folder>" (a colon after the letter is allowed) are
    // skipped and their text is put in `rejected` when given.
    static DriveMap fromSpec(std::string_view spec, std::vector<std::string>* rejected = nullptr);

    // Adds or replaces a drive; false for a letter that is not A-Z or a relative root.
    bool set(char letter, std::string_view linuxRoot);

    // The Linux folder of a drive letter (either case), no trailing slash ("" for "/").
    std::optional<std::string> rootOf(char letter) const;

    // An absolute Linux path as a Windows-form path through the longest matching drive root
    // ("/srv/ksj/a/" -> "D:\a\" with D: = /srv/ksj); nullopt when no drive holds it.
    std::optional<std::string> toWindows(std::string_view absoluteLinuxPath) const;

    const std::vector<Drive>& drives() const { return drives_; }

private:
    std::vector<Drive> drives_;
};

// The map every path resolution uses: made from VELDORAN_DRIVES on first use.
std::shared_ptr<const DriveMap> driveMap();
// Puts another map in place (tests, or a change of drives while running).
void setDriveMap(DriveMap map);

} // namespace vd
