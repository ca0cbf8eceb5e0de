// The main of every test executable: an offscreen QApplication and, per process, a fresh
// temporary home for the application folder, the profile and the XDG folders, removed at exit.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path makeScratchHome()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "veldoran-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    const std::filesystem::path scratch = makeScratchHome();
    const auto set = [&](const char* name, const std::filesystem::path& p) {
        std::filesystem::create_directories(p.parent_path());
        setenv(name, p.c_str(), 1);
    };
    set("VELDORAN_HOME", scratch / "home" / "veldoran");
    set("VELDORAN_PROFILE", scratch / "config" / "Lxo" / "Veldoran.ini");
    set("XDG_CONFIG_HOME", scratch / "config");
    set("XDG_DATA_HOME", scratch / "data");
    std::filesystem::create_directories(scratch / "runtime");
    std::filesystem::permissions(scratch / "runtime", std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);

    int result;
    {
        QApplication app(argc, argv);
        setlocale(LC_NUMERIC, "C");
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return result;
}
