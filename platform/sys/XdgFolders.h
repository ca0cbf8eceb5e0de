#pragma once
// The user's base folders after the XDG base directory rules.
#include <filesystem>

namespace vd {

// $HOME, else the home folder of the user's account.
std::filesystem::path homeFolder();

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::filesystem::path xdgConfigHome();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::filesystem::path xdgDataHome();

} // namespace vd
