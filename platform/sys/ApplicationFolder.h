#pragma once
// The application folder: where the system keeps its own and the user's data files. It is
// $VELDORAN_HOME when set, else $XDG_DATA_HOME/veldoran. At start it is created when missing
// and receives the files of the bundled data (data/ beside the executable) that it lacks; a
// file the user already has is never overwritten.
#include <filesystem>
#include <string>
#include <vector>

namespace vd {

// The folder in Windows form with its trailing backslash ("Z:\home\user\.local\share\veldoran\"),
// prepared (created and seeded) on the first call of the process.
const std::string& applicationFolder();

// The Linux path of the application folder, from the environment; absolute.
std::filesystem::path applicationFolderPath();

// data/ beside the executable.
std::filesystem::path bundledDataFolder();

struct SeedResult {
    bool folderReady = false;                    // the folder exists (or was created)
    int filesCopied = 0;
    std::vector<std::filesystem::path> failures; // files or folders that could not be made
};

// Creates `folder` when missing and copies into it, folder by folder, every file of `bundled`
// that it lacks. Names are matched case-insensitively (ASCII letters), as the system opens
// them: a user's "palette/plttfile.dat" stands for the bundled "PALETTE/PLTTFILE.DAT".
// A missing `bundled` folder seeds nothing.
SeedResult seedFolder(const std::filesystem::path& bundled, const std::filesystem::path& folder);

// A Linux folder in the system's Windows form through the drive map, with a trailing backslash.
std::string windowsFormFolder(const std::filesystem::path& linuxFolder);

} // namespace vd
