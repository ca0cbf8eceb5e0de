#include "bench/BenchSupport.h"

#include "platform/sys/ExecutableFolder.h"
#include "platform/sys/LibraryLoader.h"

#include <QApplication>

#include <cstdlib>

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

fs::path SeedScratchHome(const std::string& name)
{
    ensureGuiApplication();
    const fs::path home = fs::temp_directory_path() / name;
    fs::remove_all(home);
    fs::create_directories(home);
    fs::copy(BinFolder() / "data", home, fs::copy_options::recursive);
    setenv("VELDORAN_HOME", home.c_str(), 1);
    setenv("VELDORAN_PROFILE", (home / "profile.ini").c_str(), 1);
    vd::LibraryLoader::setOverride("Dovanne.dll", (BinFolder() / "libdovanne.so").string());
    return home;
}

} // namespace bench
