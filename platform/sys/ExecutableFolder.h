#pragma once
// The folder of the running program's own executable: the libraries and the bundled data are
// found beside it.
#include <filesystem>

namespace vd {

// The folder that holds /proc/self/exe (symbolic links resolved); empty when it cannot be read.
const std::filesystem::path& executableFolder();

} // namespace vd
