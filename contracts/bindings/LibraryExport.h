#pragma once
// One binding per library: a struct with one typed member per export the program calls (its type
// from contracts/<library>.h), filled the first time the library is found loaded. Until then each
// use asks the loader again, so a library that turns up later is found; once loaded a library
// stays (the loader never unloads it or swaps it for an override), so its addresses never change
// and no use looks a name up again. A missing library or export leaves the member null.
#include "platform/sys/LibraryLoader.h"

#include <atomic>
#include <functional>

// An export: its library, the name it is exported under and its address, null while missing.
template <class Fn>
struct LibraryExport {
    const char* library;
    const char* name;
    Fn* fn = nullptr;
};

// Declares one member per export of a library's list: X(OnDlgDpSet) gives
// LibraryExport<OnDlgDpSet_fn> OnDlgDpSet{kLibrary, "OnDlgDpSet"}.
#define VD_LIBRARY_EXPORT_MEMBER(name) LibraryExport<name##_fn> name{kLibrary, #name};
#define VD_LIBRARY_EXPORT_VISIT(name) visit(name);

// What every binding shares: whether its library was found.
struct LibraryExports {
    std::atomic<bool> bound{false};
    bool loaded() const { return bound.load(std::memory_order_acquire); }
};

// Runs `bind` once, the first time `library` loads; answers whether it is loaded.
bool BindWhenLoaded(LibraryExports& exports, const char* library, const std::function<void()>& bind);

// The binding's members looked up in its library, once the library is there.
template <class Exports>
Exports& Bound(Exports& exports)
{
    if (!exports.loaded())
        BindWhenLoaded(exports, Exports::kLibrary, [&exports] {
            exports.forEach([](auto& entry) {
                entry.fn = reinterpret_cast<decltype(entry.fn)>(vd::LibraryLoader::symbol(Exports::kLibrary, entry.name));
            });
        });
    return exports;
}
