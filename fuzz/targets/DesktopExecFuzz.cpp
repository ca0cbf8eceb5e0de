// Fuzz target: a desktop entry's Exec line turned into the argument vector that opens a file.
#include "platform/ui/DesktopApplication.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vd::ui::desktopExecCommand(std::string(reinterpret_cast<const char*>(data), size), "/tmp/a file.jpg");
    return 0;
}
