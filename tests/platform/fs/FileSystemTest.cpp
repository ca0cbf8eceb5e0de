#include "platform/fs/FileSystem.h"
#include "platform/fs/Wildcard.h"
#include "tests/platform/fs/FsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using vd::test::readBytes;
using vd::test::scratchFolder;
using vd::test::win;
using vd::test::writeBytes;

namespace {

TEST(Wildcard, MatchesAsTheOldFileSearch)
{
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"*.*", "pg0101.dat", true},
        {"*.*", "CITYPLGN", true}, // ".*" also takes a name without extension
        {"*", "a.b.c", true},
        {"*.dat", "PG0101.DAT", true},
        {"*.dat", "pg0101.data", false},
        {"pg*.dat", "pg0101.dat", true},
        {"PG*.DAT", "xpg0101.dat", false},
        {"pg010?.dat", "PG0102.DAT", true},
        {"pg010?.dat", "PG01023.DAT", false},
        {"?道府県.DAT", "都道府県.dat", true}, // "?" is one whole character
        {"??府県.DAT", "都道府県.dat", true},
        {"?府県.DAT", "都道府県.dat", false},
        {"都道*", "都道府県.DAT", true},
        {"readme.*", "README", true},
        {"readme.*", "readme.txt", true},
        {"*a*b*", "xxaxxbxx", true},
        {"*a*b", "ab_a_c", false},
        {"", "a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vd::matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " ~ " << c.name;
}

class Files : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = scratchFolder();
        fs::create_directories(root / "LIST" / "CITYPLGN");
        writeBytes(root / "LIST" / "pg0101.dat", "12345");
        writeBytes(root / "LIST" / "PG0102.DAT", "");
        writeBytes(root / "LIST" / "readme", "");
        writeBytes(root / "LIST" / "n03-01.txt", "");
        writeBytes(root / "LIST" / "都道府県.DAT", "");
        writeBytes(root / "LIST" / "_under.dat", "");
    }

    std::vector<std::string> names(const std::string& pattern)
    {
        std::vector<std::string> result;
        if (const auto entries = vd::listFolder(win(root) + "\\list\\" + pattern))
            for (const vd::FolderEntry& e : *entries)
                result.push_back(e.name);
        return result;
    }

    fs::path root;
};

TEST_F(Files, ListsAFolderByPattern)
{
    using Names = std::vector<std::string>;
    // Sorted as the old file system listed them: upper-case order, so "_" after the letters.
    EXPECT_EQ(names("*.*"), (Names{"CITYPLGN", "n03-01.txt", "pg0101.dat", "PG0102.DAT", "readme", "_under.dat", "都道府県.DAT"}));
    EXPECT_EQ(names("PG*.dat"), (Names{"pg0101.dat", "PG0102.DAT"}));
    EXPECT_EQ(names("*.TXT"), (Names{"n03-01.txt"}));
    EXPECT_EQ(names("都道*.dat"), (Names{"都道府県.DAT"}));
    EXPECT_EQ(names("cityplgn"), (Names{"CITYPLGN"}));

    const auto all = vd::listFolder(win(root) + "\\LIST\\*");
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 7u);
    EXPECT_TRUE(all->front().status.isFolder);
    EXPECT_FALSE((*all)[2].status.isFolder);
    EXPECT_EQ((*all)[2].status.size, 5u);

    const auto none = vd::listFolder(win(root) + "\\LIST\\*.xyz");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    EXPECT_FALSE(vd::listFolder(win(root) + "\\MISSING\\*.*"));
    EXPECT_FALSE(vd::listFolder(win(root) + "\\LIST\\pg0101.dat\\*.*"));
    EXPECT_FALSE(vd::listFolder(win(root) + "\\LIST\\"));
}

TEST_F(Files, TellsWhatExists)
{
    const std::string list = win(root) + "\\list\\";
    EXPECT_TRUE(vd::fileExists(list + "PG0101.DAT"));
    EXPECT_FALSE(vd::fileExists(list + "cityplgn"));
    EXPECT_TRUE(vd::folderExists(list + "cityplgn\\"));
    EXPECT_TRUE(vd::pathExists(list + "CityPlgn"));
    EXPECT_FALSE(vd::pathExists(list + "nothing.dat"));
    EXPECT_EQ(vd::fileStatus(list + "pg0101.dat")->size, 5u);
    EXPECT_FALSE(vd::fileStatus(list + "nothing.dat"));
}

TEST_F(Files, RemovesFilesAndEmptyFolders)
{
    const std::string list = win(root) + "\\LIST\\";
    EXPECT_FALSE(vd::removeFile(list + "CITYPLGN"));    // a folder is not a file
    EXPECT_FALSE(vd::removeFile(list + "missing.dat"));
    EXPECT_TRUE(vd::removeFile(list + "PG0101.DAT")); // found in its own case
    EXPECT_FALSE(fs::exists(root / "LIST" / "pg0101.dat"));
    EXPECT_TRUE(vd::removeFolder(list + "cityplgn\\"));
    EXPECT_FALSE(fs::exists(root / "LIST" / "CITYPLGN"));
    EXPECT_FALSE(vd::removeFolder(list)); // not empty
    EXPECT_TRUE(fs::exists(root / "LIST" / "readme"));
}

TEST_F(Files, RenamesWithoutReplacingAnotherFile)
{
    const std::string list = win(root) + "\\LIST\\";
    // Another file of that name, in any case, stays and stops the rename.
    EXPECT_FALSE(vd::renamePath(list + "pg0101.dat", list + "pg0102.dat"));
    EXPECT_EQ(readBytes(root / "LIST" / "pg0101.dat"), "12345");
    EXPECT_TRUE(fs::exists(root / "LIST" / "PG0102.DAT"));
    // The same file under another case is a rename.
    EXPECT_TRUE(vd::renamePath(list + "pg0101.dat", list + "PG0101.DAT"));
    EXPECT_EQ(readBytes(root / "LIST" / "PG0101.DAT"), "12345");
    EXPECT_FALSE(fs::exists(root / "LIST" / "pg0101.dat"));
    // Into another folder, and a folder itself.
    EXPECT_TRUE(vd::renamePath(list + "pg0101.dat", list + "cityplgn\\地図.dat"));
    EXPECT_EQ(readBytes(root / "LIST" / "CITYPLGN" / "地図.dat"), "12345");
    EXPECT_TRUE(vd::renamePath(list + "cityplgn", list + "Moved"));
    EXPECT_TRUE(fs::is_directory(root / "LIST" / "Moved"));
    EXPECT_FALSE(vd::renamePath(list + "missing", list + "other"));
    EXPECT_FALSE(vd::renamePath(list + "readme", list + "nofolder\\readme"));
}

TEST_F(Files, MakesFolders)
{
    const std::string base = win(root);
    EXPECT_TRUE(vd::makeFolder(base + "\\TEMP\\"));
    EXPECT_TRUE(fs::is_directory(root / "TEMP"));
    EXPECT_TRUE(vd::makeFolder(base + "\\temp")); // already there
    EXPECT_FALSE(vd::makeFolder(base + "\\A\\B"));  // parent missing
    EXPECT_FALSE(vd::makeFolder(base + "\\list\\readme")); // a file stands there

    EXPECT_TRUE(vd::makeFolders(base + "\\list\\cityplgn\\新しい\\deep\\"));
    EXPECT_TRUE(fs::is_directory(root / "LIST" / "CITYPLGN" / "新しい" / "deep"));
    EXPECT_FALSE(vd::makeFolders(base + "\\list\\readme\\sub"));
}

} // namespace
