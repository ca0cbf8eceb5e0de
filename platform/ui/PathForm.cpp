#include "platform/ui/PathForm.h"

#include "platform/fs/PathResolver.h"

#include <algorithm>

namespace vd::ui {

std::string toWindowsForm(const std::string& linuxPath)
{
    if (auto windows = toWindowsPath(linuxPath))
        return *windows;
    std::string out = "Z:" + linuxPath;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

std::string toLinuxForm(const std::string& windowsPath)
{
    if (auto resolved = resolvePath(windowsPath))
        return *resolved;
    if (auto partial = resolveExistingPart(windowsPath)) {
        std::string out = partial->existing;
        for (const auto& component : partial->missing) {
            if (out.empty() || out.back() != '/')
                out += '/';
            out += component;
        }
        return out;
    }
    std::string out = windowsPath;
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

} // namespace vd::ui
