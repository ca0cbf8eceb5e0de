#include "platform/sys/ExecutableFolder.h"

#include <system_error>

namespace vd {

const std::filesystem::path& executableFolder()
{
    static const std::filesystem::path folder = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::filesystem::path() : exe.parent_path();
    }();
    return folder;
}

} // namespace vd
