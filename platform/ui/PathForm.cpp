#include "platform/ui/PathForm.h"

#include <algorithm>

namespace vd::ui {

std::string toWindowsForm(const std::string& linuxPath)
{
    std::string out = "Z:" + linuxPath;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

std::string toLinuxForm(const std::string& windowsPath)
{
    std::string out = windowsPath;
    if (out.size() >= 2 && out[1] == ':' && (out[0] == 'Z' || out[0] == 'z'))
        out.erase(0, 2);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

} // namespace vd::ui
