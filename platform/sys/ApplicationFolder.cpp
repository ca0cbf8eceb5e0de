#include "platform/sys/ApplicationFolder.h"

#include "platform/fs/PathResolver.h"
#include "platform/sys/ExecutableFolder.h"
#include "platform/sys/XdgFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <optional>
#include <unistd.h>

namespace vd {
namespace fs = std::filesystem;
namespace {

std::string asciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return text;
}

// The names in a folder, to find the entry that a bundled name stands for in any case.
class FolderNames {
public:
    explicit FolderNames(const fs::path& folder)
    {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            m_exact.emplace(name, name);
            m_folded.emplace(asciiLower(name), name);
        }
    }

    // The existing name, exact match first; empty when there is none.
    std::string find(const std::string& name) const
    {
        if (m_exact.count(name))
            return name;
        const auto folded = m_folded.find(asciiLower(name));
        return folded == m_folded.end() ? std::string() : folded->second;
    }

private:
    std::map<std::string, std::string> m_exact;
    std::map<std::string, std::string> m_folded; // first name of each folded spelling
};

// Copies through a temporary name and then moves the copy into place only if the name is still
// free: a failed copy never leaves a truncated file that would pass for the user's own.
bool copyWithoutReplacing(const fs::path& from, const fs::path& to)
{
    const fs::path temporary = to.parent_path() / (".seeding." + to.filename().string());
    std::error_code error;
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    // Bundled data may be installed read-only; the user's copy must be editable.
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    const bool placed = renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0
        || (errno == EINVAL && link(temporary.c_str(), to.c_str()) == 0); // no RENAME_NOREPLACE here
    fs::remove(temporary, error);
    return placed;
}

void seedInto(const fs::path& bundled, const fs::path& folder, SeedResult& result)
{
    const FolderNames present(folder);
    std::error_code error;
    for (fs::directory_iterator it(bundled, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const std::string existing = present.find(name);
        std::error_code statusError;
        const fs::file_status status = it->status(statusError); // follows symbolic links
        if (fs::is_directory(status)) {
            const fs::path target = folder / (existing.empty() ? name : existing);
            std::error_code made;
            if (existing.empty())
                fs::create_directory(target, made);
            if (fs::is_directory(target, made))
                seedInto(it->path(), target, result);
            else
                result.failures.push_back(target);
        } else if (fs::is_regular_file(status) && existing.empty()) {
            if (copyWithoutReplacing(it->path(), folder / name))
                ++result.filesCopied;
            else if (!fs::exists(folder / name, statusError)) // lost only a race with another copy
                result.failures.push_back(folder / name);
        }
    }
}

// True when `inner` is `outer` or lies inside it (symbolic links resolved).
bool isWithin(const fs::path& inner, const fs::path& outer)
{
    std::error_code error;
    const fs::path a = fs::weakly_canonical(inner, error);
    const fs::path b = fs::weakly_canonical(outer, error);
    return !error && std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

SeedResult prepareApplicationFolder()
{
    return seedFolder(bundledDataFolder(), applicationFolderPath());
}

} // namespace

std::filesystem::path applicationFolderPath()
{
    fs::path folder = xdgDataHome() / "veldoran";
    if (const char* home = std::getenv("VELDORAN_HOME"); home && *home)
        folder = home;
    std::error_code error;
    const fs::path absolute = fs::absolute(folder, error);
    fs::path normal = (error ? folder : absolute).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) // "/srv/veldoran/"
        normal = normal.parent_path();
    return normal;
}

std::filesystem::path bundledDataFolder()
{
    return executableFolder() / "data";
}

SeedResult seedFolder(const std::filesystem::path& bundled, const std::filesystem::path& folder)
{
    SeedResult result;
    std::error_code error;
    fs::create_directories(folder, error);
    result.folderReady = fs::is_directory(folder, error);
    if (!result.folderReady) {
        result.failures.push_back(folder);
        return result;
    }
    // A folder inside the bundled data would be copied into itself without end.
    if (fs::is_directory(bundled, error) && !isWithin(folder, bundled))
        seedInto(bundled, folder, result);
    return result;
}

std::string windowsFormFolder(const std::filesystem::path& linuxFolder)
{
    // Through the drive map, as every path coming back from Linux. A folder that no drive holds
    // (Z: mapped elsewhere) keeps the plain Z: form: the program cannot reach it either way.
    std::string text;
    if (const std::optional<std::string> mapped = toWindowsPath(linuxFolder.string()))
        text = *mapped;
    else
        for (const char c : "Z:" + linuxFolder.lexically_normal().string())
            text += c == '/' ? '\\' : c;
    if (text.empty() || text.back() != '\\')
        text += '\\';
    return text;
}

const std::string& applicationFolder()
{
    // Prepared once: the folder cannot move while the program runs. A folder that cannot be
    // made still gives its name; the files in it then fail to open as missing files do.
    static const std::string folder = [] {
        prepareApplicationFolder();
        return windowsFormFolder(applicationFolderPath());
    }();
    return folder;
}

} // namespace vd
