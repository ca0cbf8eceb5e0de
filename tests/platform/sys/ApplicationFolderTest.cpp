#include "platform/sys/ApplicationFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string readWhole(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWhole(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Every entry under `folder`, relative, folders with a trailing "/".
std::set<std::string> listing(const fs::path& folder)
{
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.insert(fs::relative(entry.path(), folder).string() + (entry.is_directory() ? "/" : ""));
    return entries;
}

fs::path scratch()
{
    return vd::applicationFolderPath().parent_path();
}

} // namespace

TEST(ApplicationFolder, FollowsTheEnvironment)
{
    setenv("VELDORAN_HOME", "/srv/veldoran/", 1);
    EXPECT_EQ(vd::applicationFolderPath().string(), "/srv/veldoran");
    setenv("VELDORAN_HOME", "relative/home", 1);
    EXPECT_EQ(vd::applicationFolderPath(), fs::current_path() / "relative/home");
    unsetenv("VELDORAN_HOME");
    setenv("XDG_DATA_HOME", "/tmp/data", 1);
    EXPECT_EQ(vd::applicationFolderPath(), "/tmp/data/veldoran");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(vd::applicationFolderPath(), "/home/someone/.local/share/veldoran");
}

TEST(ApplicationFolder, WindowsFormHasItsDriveAndATrailingBackslash)
{
    setenv("VELDORAN_DRIVES", "D=/srv/ksj", 1); // read on first use
    EXPECT_EQ(vd::windowsFormFolder("/srv/ksj/veldoran"), "D:\\veldoran\\");
    EXPECT_EQ(vd::windowsFormFolder("/home/user/.local/share/veldoran"),
              "Z:\\home\\user\\.local\\share\\veldoran\\");
    EXPECT_EQ(vd::windowsFormFolder("/srv/veldoran/"), "Z:\\srv\\veldoran\\");
    EXPECT_EQ(vd::windowsFormFolder("/srv/./veldoran/../地図"), "Z:\\srv\\地図\\");
    EXPECT_EQ(vd::windowsFormFolder("/"), "Z:\\");
}

TEST(ApplicationFolder, SeedingAddsWhatIsMissingAndKeepsTheUsersFiles)
{
    const fs::path bundled = scratch() / "bundled";
    writeWhole(bundled / "BlcMap20.idx", "index");
    writeWhole(bundled / "PALETTE" / "PLTTFILE.DAT", "bundled palettes");
    writeWhole(bundled / "PALETTE" / "EARTH.PLT", "earth");
    writeWhole(bundled / "SOURCE" / "history.dat", "bundled history");
    writeWhole(bundled / "MAPELMNT" / "都道府県.DAT", "prefectures");
    fs::create_directories(bundled / "TEMP");
    fs::permissions(bundled / "PALETTE" / "EARTH.PLT", fs::perms::owner_read | fs::perms::group_read);

    // The user edited the palette list and keeps the data sources in a lower-case folder.
    const fs::path home = scratch() / "home";
    writeWhole(home / "PALETTE" / "PLTTFILE.DAT", "my palettes");
    writeWhole(home / "source" / "HISTORY.DAT", "my history");

    const vd::SeedResult result = vd::seedFolder(bundled, home);
    EXPECT_TRUE(result.folderReady);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(result.filesCopied, 3);
    EXPECT_EQ(listing(home), (std::set<std::string>{
        "BlcMap20.idx", "MAPELMNT/", "MAPELMNT/都道府県.DAT", "PALETTE/", "PALETTE/EARTH.PLT",
        "PALETTE/PLTTFILE.DAT", "TEMP/", "source/", "source/HISTORY.DAT"}));
    EXPECT_EQ(readWhole(home / "PALETTE" / "PLTTFILE.DAT"), "my palettes");
    EXPECT_EQ(readWhole(home / "source" / "HISTORY.DAT"), "my history");
    EXPECT_EQ(readWhole(home / "MAPELMNT" / "都道府県.DAT"), "prefectures");
    // The user's copy of a read-only bundled file can be edited.
    EXPECT_NE(fs::status(home / "PALETTE" / "EARTH.PLT").permissions() & fs::perms::owner_write,
              fs::perms::none);

    // A second start copies nothing.
    writeWhole(home / "BlcMap20.idx", "edited index");
    EXPECT_EQ(vd::seedFolder(bundled, home).filesCopied, 0);
    EXPECT_EQ(readWhole(home / "BlcMap20.idx"), "edited index");
}

TEST(ApplicationFolder, FolderThatCannotBeMadeIsReported)
{
    writeWhole(scratch() / "plain-file", "x");
    const vd::SeedResult result = vd::seedFolder(scratch() / "no-bundled-data", scratch() / "plain-file" / "home");
    EXPECT_FALSE(result.folderReady);
    EXPECT_EQ(result.failures.size(), 1u);
}

TEST(ApplicationFolder, FolderInsideTheBundledDataIsNotSeededFromIt)
{
    const fs::path bundled = scratch() / "bundled";
    writeWhole(bundled / "PALETTE" / "PLTTFILE.DAT", "palettes");
    const vd::SeedResult result = vd::seedFolder(bundled, bundled / "PALETTE" / "home");
    EXPECT_TRUE(result.folderReady);
    EXPECT_EQ(result.filesCopied, 0);
    EXPECT_EQ(listing(bundled), (std::set<std::string>{"PALETTE/", "PALETTE/PLTTFILE.DAT", "PALETTE/home/"}));
}

TEST(ApplicationFolder, IsCreatedOnFirstUseAndGivenInWindowsForm)
{
    const fs::path home = vd::applicationFolderPath(); // VELDORAN_HOME of the test, not there yet
    ASSERT_FALSE(fs::exists(home));
    const std::string& folder = vd::applicationFolder();
    EXPECT_TRUE(fs::is_directory(home));
    EXPECT_EQ(folder, vd::windowsFormFolder(home));
    EXPECT_EQ(folder.substr(0, 3), "Z:\\");
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(&vd::applicationFolder(), &folder);
}
