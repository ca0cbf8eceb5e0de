#include "contracts/bindings/LibraryExport.h"

#include <mutex>

bool BindWhenLoaded(LibraryExports& exports, const char* library, const std::function<void()>& bind)
{
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (exports.loaded())
        return true;
    if (!vd::LibraryLoader::library(library))
        return false;
    bind();
    exports.bound.store(true, std::memory_order_release);
    return true;
}
