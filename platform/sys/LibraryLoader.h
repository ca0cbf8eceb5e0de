#pragma once
// Run-time loading of the system's libraries by the names the system uses ("Pelmora.DLL",
// "SURRICK.DLL", "Dovanne"): each maps to lib<lower-case stem>.so, looked for in the
// executable's folder first, then in the folder of the platform library, then in the folders of
// LD_LIBRARY_PATH, and last by its plain name (the system's folders). A library is loaded once
// per process and never unloaded, so entry points stay valid for the whole run.
#include <string>
#include <string_view>

namespace vd {

class LibraryLoader {
public:
    // "Pelmora.DLL" -> "libpelmora.so", "Dovanne" -> "libdovanne.so". Empty for a name that
    // cannot be a bare library name (empty, or holding a path separator).
    static std::string fileNameFor(std::string_view libraryName);

    // The library's handle, loading it on first use; null when it cannot be loaded. A failed
    // load is tried again on the next call.
    static void* library(std::string_view libraryName);

    // The entry point exported by the library itself (not one of the libraries it depends on);
    // null when the library or the entry point is missing.
    static void* symbol(std::string_view libraryName, const char* symbolName);

    // Loads the shared object at `path` in place of the library `libraryName` (any of its
    // spellings). For tests. Returns false, changing nothing, when the library is already
    // loaded: a handle handed out stays the one of the process.
    static bool setOverride(std::string_view libraryName, std::string path);
};

// Typed lookup: entryPoint<OnDistance_fn>("Dovanne.dll", "OnDistance").
template <class Fn>
Fn* entryPoint(std::string_view libraryName, const char* symbolName)
{
    return reinterpret_cast<Fn*>(LibraryLoader::symbol(libraryName, symbolName));
}

} // namespace vd
