#include "platform/sys/XdgFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vd {
namespace {

std::filesystem::path xdgFolder(const char* variable, const char* underHome)
{
    // Relative values are invalid by the XDG rules and are ignored.
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    return homeFolder() / underHome;
}

} // namespace

std::filesystem::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* account = getpwuid(getuid()); account && account->pw_dir)
        return account->pw_dir;
    return "/";
}

std::filesystem::path xdgConfigHome()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path xdgDataHome()
{
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

} // namespace vd
