#include "platform/fs/WinPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(WinPath, GivesThePartsOfAPath)
{
    struct Case {
        std::string path, folder, name, extension, stem;
    };
    const std::vector<Case> cases = {
        {"Z:\\data\\MAPELMNT\\都道府県.DAT", "Z:\\data\\MAPELMNT\\", "都道府県.DAT", "DAT", "都道府県"},
        {"Z:\\data\\MAPELMNT\\", "Z:\\data\\MAPELMNT\\", "", "", ""},
        {"Z:\\a.b\\file", "Z:\\a.b\\", "file", "", "file"}, // a dot in a folder is no extension
        {"Z:\\a\\archive.tar.gz", "Z:\\a\\", "archive.tar.gz", "gz", "archive.tar"},
        {"D:name.txt", "D:", "name.txt", "txt", "name"},
        {"Z:/home/user/x.sem", "Z:/home/user/", "x.sem", "sem", "x"},
        {"bare.dat", "", "bare.dat", "dat", "bare"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vd::winFolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(vd::winFileName(c.path), c.name) << c.path;
        EXPECT_EQ(vd::winExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(vd::winFileStem(c.path), c.stem) << c.path;
    }
}

TEST(WinPath, EndsAFolderWithOneBackslash)
{
    EXPECT_EQ(vd::withTrailingBackslash("Z:\\data"), "Z:\\data\\");
    EXPECT_EQ(vd::withTrailingBackslash("Z:\\data\\\\"), "Z:\\data\\");
    EXPECT_EQ(vd::withTrailingBackslash("Z:\\data/"), "Z:\\data\\");
    EXPECT_EQ(vd::withTrailingBackslash("Z:"), "Z:\\");
    EXPECT_EQ(vd::withTrailingBackslash(""), "");
}

TEST(WinPath, SplitsIntoDriveAndComponents)
{
    const vd::WinPathParts parts = vd::parseWinPath("d:\\KSJ\\.\\N03\\..\\\\N03\\");
    EXPECT_EQ(parts.drive, 'D');
    EXPECT_TRUE(parts.rooted);
    EXPECT_TRUE(parts.trailingSeparator);
    EXPECT_EQ(parts.components, (std::vector<std::string>{"KSJ", "N03"}));

    const vd::WinPathParts relative = vd::parseWinPath("..\\..\\a\\..\\b");
    EXPECT_EQ(relative.drive, 0);
    EXPECT_FALSE(relative.rooted);
    EXPECT_EQ(relative.components, (std::vector<std::string>{"..", "..", "b"}));
    EXPECT_EQ(vd::parseWinPath("\\..\\a").components, (std::vector<std::string>{"a"}));
}

} // namespace
