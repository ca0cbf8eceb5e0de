#include "platform/sys/ProfileStore.h"
#include "tests/support/FifoWatch.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string readWhole(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWhole(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace

TEST(ProfileStore, RoundTripsTextsAndIntegersThroughTheFile)
{
    const char* texts[] = {
        "京都及大阪",
        "岐阜　・　滋賀",
        "Z:\\home\\user\\.local\\share\\veldoran\\placenmn.dat",
        "a, b; c = \"d\" #e",
        "@Variant(0)",
        "  blanks around  ",
        "",
    };
    const int numbers[] = {0, -1, -999, 246, INT_MAX, INT_MIN};

    vd::ProfileStore writer;
    int n = 0;
    for (const char* text : texts)
        ASSERT_TRUE(writer.writeString("System", "Text" + std::to_string(n++), text));
    n = 0;
    for (const int number : numbers)
        ASSERT_TRUE(writer.writeInt("LastData", "Number" + std::to_string(n++), number));

    // Each write is on disk at once; the file is UTF-8.
    EXPECT_NE(readWhole(writer.file()).find("京都及大阪"), std::string::npos);

    const vd::ProfileStore reader;
    n = 0;
    for (const char* text : texts)
        EXPECT_EQ(reader.getString("System", "Text" + std::to_string(n++), "default"), text);
    n = 0;
    for (const int number : numbers)
        EXPECT_EQ(reader.getInt("LastData", "Number" + std::to_string(n++), 7), number);
}

TEST(ProfileStore, MissingOrUnreadableValuesGiveTheDefault)
{
    vd::ProfileStore profile;
    EXPECT_EQ(profile.getInt("System", "Screen", 0), 0);       // no file yet
    EXPECT_EQ(profile.getString("System", "MapName", "京都及大阪"), "京都及大阪");

    ASSERT_TRUE(profile.writeString("System", "Screen", "1 "));
    EXPECT_EQ(profile.getInt("System", "Screen", 0), 1);
    EXPECT_EQ(profile.getInt("System", "Missing", -1), -1);    // missing key
    EXPECT_EQ(profile.getInt("Division", "Screen", -1), -1);   // missing section
    for (const char* stored : {"abc", "12abc", "1.5", "4294967296", "0x10", ""}) {
        ASSERT_TRUE(profile.writeString("System", "Odd", stored));
        EXPECT_EQ(profile.getInt("System", "Odd", -999), -999) << stored;
    }
    // A stored empty text is a value, not a missing one.
    EXPECT_EQ(profile.getString("System", "Odd", "default"), "");
}

TEST(ProfileStore, SectionsAndKeysCompareCaseInsensitively)
{
    // As a user or an older version might have left it.
    writeWhole(vd::ProfileStore::defaultFile(),
               "[system]\neditER=/usr/bin/mousepad\nList=a, b\n\n[LastData]\nMapMode=5\n");
    vd::ProfileStore profile;
    EXPECT_EQ(profile.getString("System", "Editer"), "/usr/bin/mousepad");
    EXPECT_EQ(profile.getInt("LASTDATA", "mapmode", 9), 5);
    EXPECT_EQ(profile.getString("System", "List"), "a, b"); // commas without quotes

    // Writes go to the entry already there, in its spelling; new keys join the section.
    ASSERT_TRUE(profile.writeString("SYSTEM", "EDITER", "/usr/bin/gedit"));
    ASSERT_TRUE(profile.writeInt("System", "Screen", 1));
    ASSERT_TRUE(profile.writeInt("lastdata", "MAPMODE", 24));
    const std::string file = readWhole(profile.file());
    EXPECT_NE(file.find("editER=/usr/bin/gedit"), std::string::npos) << file;
    EXPECT_NE(file.find("MapMode=24"), std::string::npos) << file;
    EXPECT_EQ(file.find("[System]"), std::string::npos) << file;
    EXPECT_EQ(file.find("[lastdata]"), std::string::npos) << file;
    EXPECT_EQ(profile.getInt("System", "screen", 0), 1);
}

TEST(ProfileStore, FileFollowsTheEnvironment)
{
    setenv("VELDORAN_PROFILE", "/tmp/elsewhere/profile.ini", 1);
    EXPECT_EQ(vd::ProfileStore::defaultFile(), "/tmp/elsewhere/profile.ini");
    unsetenv("VELDORAN_PROFILE");
    setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
    EXPECT_EQ(vd::ProfileStore::defaultFile(), "/tmp/config/Lxo/Veldoran.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(vd::ProfileStore::defaultFile(), "/home/someone/.config/Lxo/Veldoran.ini");
}

TEST(ProfileStore, WriteReportsFailure)
{
    const std::filesystem::path scratch = vd::ProfileStore::defaultFile().parent_path();
    // Missing folders are made.
    vd::ProfileStore deeper(scratch / "new" / "folder" / "Veldoran.ini");
    EXPECT_TRUE(deeper.writeInt("System", "Screen", 1));
    EXPECT_EQ(deeper.getInt("System", "Screen", 0), 1);

    // A folder that cannot be made (a file stands in its place).
    writeWhole(scratch / "plain-file", "x");
    vd::ProfileStore blocked(scratch / "plain-file" / "Veldoran.ini");
    EXPECT_FALSE(blocked.writeInt("System", "Screen", 1));
    EXPECT_FALSE(blocked.writeString("System", "Editer", "x"));
    EXPECT_EQ(blocked.getInt("System", "Screen", 0), 0);

    // Names the file cannot hold as one section and key.
    vd::ProfileStore profile;
    EXPECT_FALSE(profile.writeInt("", "Screen", 1));
    EXPECT_FALSE(profile.writeInt("System", "a/b", 1));
    EXPECT_FALSE(profile.writeInt("Sys\\tem", "Screen", 1));
}

TEST(ProfileStore, ASaveThatChangesNothingLeavesTheFileAlone)
{
    // Whether the file was replaced since the last look: a save writes a new file (new inode).
    struct stat before{};
    const auto replaced = [&](const std::filesystem::path& file) {
        struct stat now{};
        EXPECT_EQ(stat(file.c_str(), &now), 0);
        const bool same = now.st_ino == before.st_ino && now.st_mtim.tv_sec == before.st_mtim.tv_sec &&
                          now.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
        before = now;
        return !same;
    };
    writeWhole(vd::ProfileStore::defaultFile(), "[System]\nEditer=/usr/bin/mousepad\nList=a, b\n");
    vd::ProfileStore profile;
    replaced(profile.file());

    struct Case {
        std::vector<vd::ProfileEntry> entries;
        bool rewrites;
    };
    const Case cases[] = {
        {{{"System", "Editer", "/usr/bin/mousepad"}}, false},
        {{{"SYSTEM", "editer", "/usr/bin/mousepad"}}, false},         // another spelling, same entry
        {{{"System", "List", "a, b"}}, true},                           // stored as a list: written as text
        {{{"System", "List", "a, b"}, {"System", "Editer", "/usr/bin/mousepad"}}, false},
        {{{"System", "Editer", "/usr/bin/mousepad"}, {"System", "Screen", "1"}}, true}, // a new key
        {{{"System", "Screen", "1"}}, false},
        {{{"System", "Screen", "2"}, {"LastData", "MapMode", "5"}}, true},
        {{{"LastData", "MapMode", "5"}, {"System", "Screen", "2"}}, false},
        {{{"System", "Editer", ""}}, true},                             // emptied
        {{{"System", "Editer", ""}}, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        EXPECT_TRUE(profile.writeAll(c.entries)) << n;
        EXPECT_EQ(replaced(profile.file()), c.rewrites) << n;
        for (const vd::ProfileEntry& entry : c.entries)
            EXPECT_EQ(profile.getString(entry.section, entry.key, "missing"), entry.value) << n;
        ++n;
    }
    EXPECT_EQ(readWhole(profile.file()), "[LastData]\nMapMode=5\n\n[System]\nEditer=\nList=\"a, b\"\nScreen=2\n");

    // A refused name does not keep the others from landing.
    EXPECT_FALSE(profile.writeAll({{"System", "a/b", "1"}, {"System", "Screen", "3"}}));
    EXPECT_EQ(profile.getInt("System", "Screen", 0), 3);
}

TEST(ProfileStore, AFileChangedByAnotherProgramKeepsItsChangesWhenWrittenTo)
{
    writeWhole(vd::ProfileStore::defaultFile(), "[System]\nEditer=/usr/bin/mousepad\n");
    vd::ProfileStore profile;
    ASSERT_EQ(profile.getString("System", "Editer"), "/usr/bin/mousepad");

    // Another program rewrites the file after it was read.
    writeWhole(profile.file(), "[System]\nEditer=/usr/bin/leafpad\n");
    ASSERT_TRUE(profile.writeInt("LastData", "MapMode", 5));
    EXPECT_EQ(readWhole(profile.file()), "[LastData]\nMapMode=5\n\n[System]\nEditer=/usr/bin/leafpad\n");
    EXPECT_EQ(profile.getString("System", "Editer"), "/usr/bin/leafpad");

    // A file that is there but cannot be read is never replaced by one without its entries.
    chmod(profile.file().c_str(), 0);
    if (access(profile.file().c_str(), R_OK) != 0) { // root reads it anyway
        vd::ProfileStore::rereadFiles();
        EXPECT_FALSE(profile.writeInt("LastData", "MapMode", 6));
        chmod(profile.file().c_str(), 0600);
        EXPECT_NE(readWhole(profile.file()).find("leafpad"), std::string::npos);
    }
}

// A profile that is no regular file is never read: a blocking open() of a FIFO would wait until
// some writer came. It reads as empty, a write fails and is told once, and the file stays as it is.
TEST(ProfileStore, AProfileThatIsNoRegularFileIsLeftAloneWithoutWaiting)
{
    namespace fs = std::filesystem;
    const fs::path scratch = vd::ProfileStore::defaultFile().parent_path() / "not-regular";
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::function<bool(const fs::path&)> stillThere;
        long entries; // in the folder: the profile (and the link's target)
    };
    const Case cases[] = {
        {"a FIFO", [](const fs::path& p) { ASSERT_TRUE(testsupport::MakeFifo(p)); },
         [](const fs::path& p) { return fs::is_fifo(p); }, 1},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); },
         [](const fs::path& p) { return fs::is_directory(p) && fs::is_empty(p); }, 1},
        {"a link to a FIFO",
         [&](const fs::path& p) {
             ASSERT_TRUE(testsupport::MakeFifo(scratch / "target-fifo"));
             fs::create_symlink(scratch / "target-fifo", p);
         },
         [](const fs::path& p) { return fs::is_symlink(p) && fs::is_fifo(p); }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(scratch);
        const fs::path file = scratch / "Veldoran.ini";
        c.make(file);
        std::vector<fs::path> told;
        vd::ProfileStore::setWriteFailureHandler([&](const fs::path& f) { told.push_back(f); });
        testsupport::FifoWatch watch(file);
        vd::ProfileStore profile(file);
        EXPECT_EQ(profile.getString("System", "MapName", "京都及大阪"), "京都及大阪");
        EXPECT_EQ(profile.getInt("System", "Screen", 7), 7);
        EXPECT_FALSE(profile.writeString("System", "MapName", "京都及大阪"));
        EXPECT_FALSE(profile.writeAll({{"LastData", "MapMode", "5"}, {"City", "Name", "大阪"}}));
        EXPECT_FALSE(watch.finish()) << "the profile was waited on";
        EXPECT_EQ(told, std::vector<fs::path>{file});
        EXPECT_TRUE(c.stillThere(file));
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch), {}), c.entries) << "nothing made beside it";
    }
    vd::ProfileStore::setWriteFailureHandler({});
}
