#include "fuzz/support/FuzzScratch.h"

#include "platform/dc/ImageDc.h"
#include "platform/sys/ApplicationFolder.h"

#include <QApplication>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace vd::fuzz {
namespace {

std::filesystem::path g_scratch;

void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}

} // namespace

void initialise()
{
    if (!g_scratch.empty())
        return;
    // The folder scripts/fuzz.sh made for the run (it removes it afterwards, also after a crash),
    // else in memory where the system has it: the program syncs what it writes (the profile, user
    // files), which on a disk would make every input wait.
    std::error_code error;
    const char* given = std::getenv("VD_FUZZ_SCRATCH");
    const std::filesystem::path base = given && *given ? std::filesystem::path(given)
        : std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0
        ? std::filesystem::path("/dev/shm")
        : std::filesystem::temp_directory_path();
    std::string pattern = (base / "veldoran-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    g_scratch = pattern;
    std::atexit(removeScratch);

    const auto set = [](const char* name, const std::filesystem::path& p) {
        std::filesystem::create_directories(p.parent_path());
        setenv(name, p.c_str(), 1);
    };
    set("VELDORAN_HOME", g_scratch / "home" / "veldoran");
    set("VELDORAN_PROFILE", g_scratch / "config" / "Lxo" / "Veldoran.ini");
    set("XDG_CONFIG_HOME", g_scratch / "config");
    set("XDG_DATA_HOME", g_scratch / "data");
    std::filesystem::create_directories(g_scratch / "runtime");
    std::filesystem::permissions(g_scratch / "runtime", std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (g_scratch / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // Kept for the whole run: fonts, settings and the drawing code need it.
    static int argc = 1;
    static char name[] = "veldoran-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    setlocale(LC_NUMERIC, "C");
    applicationFolder();
    // The font database loads on the first text drawn.
    vd::ImageDc(8, 8).TextOut(0, 0, "字");
}

const std::filesystem::path& scratchFolder()
{
    initialise();
    return g_scratch;
}

const std::string& applicationFolderWin()
{
    initialise();
    return applicationFolder();
}

std::string writeApplicationFile(std::string_view relative, const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = applicationFolderPath() / std::filesystem::path(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    std::string win = applicationFolderWin();
    for (const char c : relative)
        win += c == '/' ? '\\' : c;
    return win;
}

std::string bytesText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace vd::fuzz

// libFuzzer calls this once before the first input, so the set-up (Qt, fonts, the copy of the
// bundled data) is not timed as part of an input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    vd::fuzz::initialise();
    if (vd::fuzz::startTarget)
        vd::fuzz::startTarget();
    return 0;
}
