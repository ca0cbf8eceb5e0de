#include "platform/sys/LibraryLoader.h"

#include "platform/sys/ExecutableFolder.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <vector>

namespace vd {
namespace {

struct LoaderState {
    std::mutex mutex;
    std::map<std::string, void*> handles;         // by mapped file name: one per library
    std::map<std::string, std::string> overrides; // by mapped file name: path to load instead
};

// Never destroyed: handles and entry points are used until the process ends.
LoaderState& loaderState()
{
    static LoaderState* state = new LoaderState;
    return *state;
}

constexpr int kOpenFlags = RTLD_NOW | RTLD_LOCAL;

bool endsWithDll(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const std::string_view tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 'd' && (tail[2] | 0x20) == 'l' && (tail[3] | 0x20) == 'l';
}

// The folder of this platform library (or of the program it is linked into), found through
// dladdr: the program's libraries lie beside it.
std::filesystem::path platformLibraryFolder()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<const void*>(&platformLibraryFolder), &info) || !info.dli_fname)
        return {};
    std::error_code error;
    const std::filesystem::path file = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path() : file.parent_path();
}

// The folders searched, in order: the executable's, the platform library's, then those of
// LD_LIBRARY_PATH. Worked out here rather than left to dlopen, whose search depends on the
// RUNPATH of whichever object calls it (under AddressSanitizer that is the sanitizer runtime).
std::vector<std::filesystem::path> searchFolders()
{
    std::vector<std::filesystem::path> folders{executableFolder(), platformLibraryFolder()};
    if (const char* path = std::getenv("LD_LIBRARY_PATH")) {
        std::string_view rest(path);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            if (!folder.empty())
                folders.emplace_back(folder);
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    return folders;
}

// Like the old platform's search: a library in the program's own folder wins; only when it is
// not in any folder of the search does the plain name go to dlopen (the system's folders). A
// library that is there but fails to load is the one found, so it fails.
void* openByFileName(const std::string& fileName)
{
    for (const std::filesystem::path& folder : searchFolders()) {
        if (folder.empty())
            continue;
        const std::filesystem::path candidate = folder / fileName;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return dlopen(candidate.c_str(), kOpenFlags);
    }
    return dlopen(fileName.c_str(), kOpenFlags);
}

} // namespace

std::string LibraryLoader::fileNameFor(std::string_view libraryName)
{
    if (libraryName.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return {};
    std::string_view stem = libraryName;
    if (endsWithDll(stem))
        stem.remove_suffix(4);
    if (stem.empty())
        return {};
    std::string fileName = "lib";
    for (const char c : stem)
        fileName += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    fileName += ".so";
    return fileName;
}

void* LibraryLoader::library(std::string_view libraryName)
{
    const std::string fileName = fileNameFor(libraryName);
    if (fileName.empty())
        return nullptr;
    LoaderState& state = loaderState();
    std::lock_guard lock(state.mutex);
    if (const auto found = state.handles.find(fileName); found != state.handles.end())
        return found->second;
    const auto overridden = state.overrides.find(fileName);
    void* handle = overridden != state.overrides.end()
        ? dlopen(overridden->second.c_str(), kOpenFlags)
        : openByFileName(fileName);
    if (handle)
        state.handles.emplace(fileName, handle);
    return handle;
}

void* LibraryLoader::symbol(std::string_view libraryName, const char* symbolName)
{
    if (!symbolName || !*symbolName)
        return nullptr;
    void* handle = library(libraryName);
    if (!handle)
        return nullptr;
    void* address = dlsym(handle, symbolName);
    if (!address)
        return nullptr;
    // dlsym also searches the libraries this one depends on; an entry point this library does
    // not export itself is missing.
    link_map* library = nullptr;
    link_map* owner = nullptr;
    Dl_info info;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &library) != 0
        || !dladdr1(address, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP)
        || owner != library)
        return nullptr;
    return address;
}

bool LibraryLoader::setOverride(std::string_view libraryName, std::string path)
{
    const std::string fileName = fileNameFor(libraryName);
    if (fileName.empty())
        return false;
    LoaderState& state = loaderState();
    std::lock_guard lock(state.mutex);
    if (state.handles.count(fileName))
        return false;
    state.overrides[fileName] = std::move(path);
    return true;
}

} // namespace vd
