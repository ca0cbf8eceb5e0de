// The desktop's default application for a file, from the user's mimeapps.list and a desktop
// entry: the bytes up to the first NUL are the list, the rest the entry "fuzz.desktop"; the
// command is built for a text file and for a web address.
#include "fuzz/support/FuzzScratch.h"
#include "platform/ui/DesktopApplication.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace fs = std::filesystem;
    static const fs::path root = [] {
        const fs::path made = vd::fuzz::scratchFolder() / "desktop";
        fs::create_directories(made / "config");
        fs::create_directories(made / "data" / "applications");
        setenv("XDG_CONFIG_HOME", (made / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (made / "data").c_str(), 1);
        // The machine's own lists would make a run depend on the machine.
        setenv("XDG_CONFIG_DIRS", (made / "none").c_str(), 1);
        std::ofstream(made / "a.txt") << "text";
        return made;
    }();
    const std::string bytes = vd::fuzz::bytesText(data, size);
    const std::size_t nul = bytes.find('\0');
    std::ofstream(root / "config" / "mimeapps.list", std::ios::binary | std::ios::trunc) << bytes.substr(0, nul);
    std::ofstream(root / "data" / "applications" / "fuzz.desktop", std::ios::binary | std::ios::trunc)
        << (nul == std::string::npos ? std::string() : bytes.substr(nul + 1));
    vd::ui::desktopApplicationCommand((root / "a.txt").string());
    vd::ui::desktopApplicationCommand("https://example.org/page");
    return 0;
}
