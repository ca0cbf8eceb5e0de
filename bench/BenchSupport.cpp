#include "bench/BenchSupport.h"

#include "platform/dc/ImageDc.h"
#include "platform/sys/ExecutableFolder.h"
#include "platform/sys/LibraryLoader.h"

#include <QApplication>

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace bench {

namespace fs = std::filesystem;

void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "veldoran-bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv); // widgets too: the view's pages run in a frame
    }
}

const fs::path& BinFolder()
{
    static const fs::path bin = vd::executableFolder().parent_path() / "bin";
    return bin;
}

fs::path ScratchHome()
{
    static const fs::path home = [] {
        ensureGuiApplication();
        const fs::path made = fs::temp_directory_path() / ("veldoran-bench-" + std::to_string(getpid()));
        fs::remove_all(made);
        fs::create_directories(made);
        fs::copy(BinFolder() / "data", made, fs::copy_options::recursive);
        setenv("VELDORAN_HOME", made.c_str(), 1);
        setenv("VELDORAN_PROFILE", (made / "profile.ini").c_str(), 1);
        vd::LibraryLoader::setOverride("Dovanne.dll", (BinFolder() / "libdovanne.so").string());
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(fs::temp_directory_path() / ("veldoran-bench-" + std::to_string(getpid())), ignored);
        });
        return made;
    }();
    return home;
}

int DrawnPixels(const vd::ImageDc& dc, vd::COLORREF background)
{
    int drawn = 0;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            drawn += dc.GetPixel(x, y) != background;
    return drawn;
}

void SetFileBytesProcessed(benchmark::State& state, const std::filesystem::path& file)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error)
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
}

} // namespace bench
