#include "platform/fs/DriveMap.h"
#include "platform/fs/FolderCache.h"
#include "platform/fs/PathResolver.h"
#include "platform/fs/TextWriter.h"
#include "tests/platform/fs/FsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using vd::test::scratchFolder;
using vd::test::win;
using vd::test::writeBytes;

namespace {

// Published data is upper case; the system asks in whatever case its code has.
class PathResolution : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = scratchFolder();
        writeBytes(root / "MAPELMNT" / "都道府県.DAT", "x");
        writeBytes(root / "DATA" / "KSJ" / "N03-11.TXT", "x");
        writeBytes(root / "Mixed" / "File.Txt", "old\r\n");
        writeBytes(root / "Twins" / "README.TXT", "upper");
        writeBytes(root / "Twins" / "readme.txt", "lower");
        writeBytes(root / "cdrom" / "KSJ" / "A.DAT", "x");
        writeBytes(root / "cdrom" / "SUB" / "B.DAT", "x");
        vd::DriveMap map;
        ASSERT_TRUE(map.set('D', (root / "cdrom").string()));
        vd::setDriveMap(map);
    }

    fs::path root;
};

TEST_F(PathResolution, FindsExistingPathsWhateverTheCase)
{
    struct Case {
        std::string asked;                   // Windows form; "~" stands for the scratch folder
        std::optional<std::string> expected; // relative to the scratch folder
    };
    const std::vector<Case> cases = {
        {"~\\MAPELMNT\\都道府県.DAT", "MAPELMNT/都道府県.DAT"},
        {"~\\mapelmnt\\都道府県.dat", "MAPELMNT/都道府県.DAT"},
        {"~\\MapElmnt\\", "MAPELMNT"},
        {"~\\mapelmnt", "MAPELMNT"},
        {"~/data/ksj/n03-11.txt", "DATA/KSJ/N03-11.TXT"},
        {"~\\.\\data\\.\\ksj\\..\\KSJ\\\\n03-11.txt", "DATA/KSJ/N03-11.TXT"},
        {"~\\data\\ksj\\n03-11.txt\\", std::nullopt}, // a file does not answer a folder's name
        {"~\\data\\missing\\n03-11.txt", std::nullopt},
        {"~\\data\\ksj\\n03-99.txt", std::nullopt},
        {"~\\ＭＡＰＥＬＭＮＴ\\都道府県.DAT", std::nullopt}, // only ASCII letters fold
        {"~\\mapelmnt\\都道府県.DAT\\x", std::nullopt},
        {std::string("~\\MAPELMNT\\都道府県.DAT") + '\0' + ".exe", std::nullopt}, // never "都道府県.DAT"
        // Exact match first; otherwise the first of several in byte order.
        {"~\\Twins\\README.TXT", "Twins/README.TXT"},
        {"~\\twins\\readme.txt", "Twins/readme.txt"},
        {"~\\twins\\ReadMe.Txt", "Twins/README.TXT"},
    };
    for (const Case& c : cases) {
        std::string asked = c.asked;
        asked.replace(0, 1, win(root));
        const std::optional<std::string> resolved = vd::resolvePath(asked);
        if (c.expected)
            EXPECT_EQ(resolved, (root / *c.expected).string()) << c.asked;
        else
            EXPECT_EQ(resolved, std::nullopt) << c.asked;
    }
}

TEST_F(PathResolution, MapsDriveLetters)
{
    EXPECT_EQ(vd::resolvePath("d:\\ksj\\a.dat"), (root / "cdrom" / "KSJ" / "A.DAT").string());
    EXPECT_EQ(vd::resolvePath("D:"), (root / "cdrom").string());
    EXPECT_EQ(vd::resolvePath("D:\\..\\..\\SUB"), (root / "cdrom" / "SUB").string()); // never above the root
    EXPECT_EQ(vd::resolvePath("Q:\\ksj\\a.dat"), std::nullopt);
    EXPECT_EQ(vd::resolvePath("Z:\\"), "/");
    // Without a drive: rooted paths are on Z:, others relative to the current folder.
    EXPECT_EQ(vd::resolvePath(root.string() + "/mapelmnt/都道府県.dat"), (root / "MAPELMNT" / "都道府県.DAT").string());
    const fs::path before = fs::current_path();
    fs::current_path(root / "DATA");
    EXPECT_EQ(vd::resolvePath("ksj\\n03-11.txt"), (root / "DATA" / "KSJ" / "N03-11.TXT").string());
    EXPECT_EQ(vd::resolvePath("..\\mixed\\file.txt"), (root / "Mixed" / "File.Txt").string());
    fs::current_path(before);
}

TEST(DriveMapSpec, ReadsVeldoranDrives)
{
    std::vector<std::string> rejected;
    const vd::DriveMap map = vd::DriveMap::fromSpec("D=/srv/ksj; e:=/media/cdrom/;bad;X=relative;;Z=/home", &rejected);
    EXPECT_EQ(map.rootOf('d'), "/srv/ksj");
    EXPECT_EQ(map.rootOf('E'), "/media/cdrom");
    EXPECT_EQ(map.rootOf('Z'), "/home");
    EXPECT_EQ(map.rootOf('X'), std::nullopt);
    EXPECT_EQ(rejected, (std::vector<std::string>{"bad", "X=relative"}));
    EXPECT_EQ(vd::DriveMap::fromSpec("").rootOf('Z'), "");
}

TEST(DriveMapSpec, ComesFromTheEnvironmentOnFirstUse)
{
    setenv("VELDORAN_DRIVES", "D=/srv/ksj", 1);
    EXPECT_EQ(vd::driveMap()->rootOf('D'), "/srv/ksj");
    EXPECT_EQ(vd::driveMap()->rootOf('Z'), "");
}

TEST_F(PathResolution, CreatesInTheExistingCase)
{
    const std::string folder = win(root / "Mixed");
    EXPECT_EQ(vd::resolvePathForCreate(folder + "\\FILE.TXT"), (root / "Mixed" / "File.Txt").string());
    EXPECT_EQ(vd::resolvePathForCreate(folder + "\\New.txt"), (root / "Mixed" / "New.txt").string());
    EXPECT_EQ(vd::resolvePathForCreate(win(root) + "\\mixed\\missing\\New.txt"), std::nullopt);

    vd::TextWriter writer;
    ASSERT_TRUE(writer.open(win(root) + "\\MIXED\\file.txt", vd::WriteMode::Replace));
    writer.writeLine("new");
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(vd::test::readBytes(root / "Mixed" / "File.Txt"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "Mixed"), fs::directory_iterator()), 1);
}

TEST_F(PathResolution, GoesBackThroughTheLongestDriveRoot)
{
    vd::DriveMap map;
    ASSERT_TRUE(map.set('D', (root / "cdrom").string()));
    ASSERT_TRUE(map.set('E', (root / "cdrom" / "SUB").string() + "/"));
    fs::create_symlink(root / "cdrom", root / "link");
    ASSERT_TRUE(map.set('L', (root / "link").string()));
    vd::setDriveMap(map);

    struct Case {
        std::string linuxPath;
        std::optional<std::string> expected;
    };
    const std::string r = root.string();
    const std::vector<Case> cases = {
        {r + "/cdrom/KSJ/A.DAT", "D:\\KSJ\\A.DAT"},
        {r + "/cdrom/SUB/B.DAT", "E:\\B.DAT"},
        {r + "/cdrom/SUB", "E:\\"},
        {r + "/cdrom/", "D:\\"},
        {r + "/cdrom/KSJ/", "D:\\KSJ\\"},
        {r + "/cdromx/a", win(root) + "\\cdromx\\a"},
        {r + "/link/KSJ/A.DAT", "L:\\KSJ\\A.DAT"},
        {"/a/./b/../c/都道府県.DAT", "Z:\\a\\c\\都道府県.DAT"},
        {"/", "Z:\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vd::toWindowsPath(c.linuxPath), c.expected) << c.linuxPath;

    const fs::path before = fs::current_path();
    fs::current_path(root / "cdrom");
    EXPECT_EQ(vd::toWindowsPath("KSJ/A.DAT"), "D:\\KSJ\\A.DAT");
    fs::current_path(before);

    vd::DriveMap onlyD;
    ASSERT_TRUE(onlyD.set('Z', (root / "cdrom").string()));
    vd::setDriveMap(onlyD);
    EXPECT_EQ(vd::toWindowsPath("/etc/hosts"), std::nullopt);
}

// A folder whose listing is cached must be listed again once it changes.
TEST_F(PathResolution, SeesAFolderChangeThroughTheCache)
{
    const fs::path data = root / "Cache";
    writeBytes(data / "A.TXT", "a");
    vd::test::ageFolder(data);
    const std::string asked = win(data) + "\\a.txt";
    EXPECT_EQ(vd::resolvePath(asked), (data / "A.TXT").string());

    fs::remove(data / "A.TXT");
    writeBytes(data / "a.Txt", "b");
    vd::test::ageFolder(data, 1800);
    EXPECT_EQ(vd::resolvePath(win(data) + "\\A.TXT"), (data / "a.Txt").string());
    writeBytes(data / "NEW.TXT", "c"); // changed just now: no listing of it is trusted yet
    EXPECT_EQ(vd::resolvePath(win(data) + "\\new.txt"), (data / "NEW.TXT").string());
}

TEST(FolderListingCache, ReusesAListingUntilTheFolderChanges)
{
    const fs::path data = scratchFolder() / "Listed";
    writeBytes(data / "ONE.DAT", "1");
    vd::test::ageFolder(data);
    struct stat aged{};
    ASSERT_EQ(stat(data.c_str(), &aged), 0);

    vd::FolderCache cache;
    EXPECT_EQ(cache.find(data, "one.dat")->name, "ONE.DAT");
    EXPECT_EQ(cache.find(data, "two.dat")->match, vd::FolderCache::Match::None);

    // A change that leaves the folder's time as it was is not seen: the listing is reused...
    writeBytes(data / "TWO.DAT", "2");
    timespec times[2] = {aged.st_atim, aged.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, data.c_str(), times, 0), 0);
    EXPECT_EQ(cache.find(data, "two.dat")->match, vd::FolderCache::Match::None);
    // ...and a new time brings the new listing.
    vd::test::ageFolder(data, 60);
    const auto found = cache.find(data, "two.dat");
    EXPECT_EQ(found->match, vd::FolderCache::Match::OtherCase);
    EXPECT_EQ(found->name, "TWO.DAT");
    EXPECT_EQ(cache.find(data, "TWO.DAT")->match, vd::FolderCache::Match::Exact);
    EXPECT_EQ(cache.find(data / "ONE.DAT", "x"), std::nullopt); // not a folder
}

} // namespace

namespace {

// File systems stamp folders with a coarse clock: a change right after a listing may leave the
// folder's time as it was, so a listing of a folder that had just changed is never reused.
TEST(FolderListingCache, NeverReusesAListingOfAFolderThatHadJustChanged)
{
    const fs::path data = scratchFolder() / "Fresh";
    writeBytes(data / "ONE.DAT", "1");
    struct stat listed{};
    ASSERT_EQ(stat(data.c_str(), &listed), 0);

    vd::FolderCache cache;
    EXPECT_EQ(cache.find(data, "two.dat")->match, vd::FolderCache::Match::None);
    writeBytes(data / "TWO.DAT", "2");
    timespec sameTick[2] = {listed.st_atim, listed.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, data.c_str(), sameTick, 0), 0);
    EXPECT_EQ(cache.find(data, "two.dat")->name, "TWO.DAT");
}

} // namespace
