// The desktop's default application for a file: the Exec line's argument vector, and the
// application found through mimeapps.list or the desktop's type cache in the XDG folders.
#include "platform/ui/DesktopApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(DesktopApplication, ExecLinesBecomeArgumentVectors)
{
    using Argv = std::vector<std::string>;
    const struct {
        const char* exec;
        Argv argv;
    } cases[] = {
        {"eog %U", {"eog", "/p/a b.jpg"}},
        {"viewer --fullscreen %f", {"viewer", "--fullscreen", "/p/a b.jpg"}},
        {"\"/opt/my viewer/bin\" %F %i %c", {"/opt/my viewer/bin", "/p/a b.jpg"}},
        {"gimp", {"gimp", "/p/a b.jpg"}},
        {"show \"100%%\" \"a\\\"b\" %u", {"show", "100%", "a\"b", "/p/a b.jpg"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vd::ui::desktopExecCommand(c.exec, "/p/a b.jpg"), c.argv) << c.exec;
}

TEST(DesktopApplication, TheDefaultOfTheTypeComesBeforeTheCache)
{
    const fs::path root = fs::path(std::getenv("VELDORAN_HOME")) / "xdg";
    fs::create_directories(root / "config");
    fs::create_directories(root / "data/applications");
    std::ofstream(root / "data/applications/viewer.desktop") << "[Desktop Entry]\nName=V\nExec=viewer %f\n";
    std::ofstream(root / "data/applications/other.desktop") << "[Desktop Entry]\nExec=other %U\n[Desktop Action x]\nExec=no\n";
    std::ofstream(root / "data/applications/mimeinfo.cache") << "[MIME Cache]\nimage/png=other.desktop;\n";
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root / "none").c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    // The shared MIME database stays where the system keeps it.
    setenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share", 1);
    const std::string picture = (root / "a.png").string();
    EXPECT_EQ(vd::ui::desktopApplicationCommand(picture), (std::vector<std::string>{"other", picture}));

    std::ofstream(root / "config/mimeapps.list") << "[Added Associations]\nimage/png=gone.desktop;\n"
                                                    "[Default Applications]\nimage/png=gone.desktop;viewer.desktop;\n";
    EXPECT_EQ(vd::ui::desktopApplicationCommand(picture), (std::vector<std::string>{"viewer", picture}));
    EXPECT_TRUE(vd::ui::desktopApplicationCommand((root / "a.unknowntype").string()).empty());
}

} // namespace
