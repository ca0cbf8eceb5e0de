#include "platform/fs/FileSink.h"
#include "platform/fs/TextLines.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Cp932.h"
#include "tests/platform/fs/FsTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;
using vd::test::readBytes;
using vd::test::scratchFolder;
using vd::test::win;
using vd::test::writeBytes;

namespace {

size_t entriesIn(const fs::path& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(TextWriter, WritesCp932WithCrLf)
{
    const fs::path path = scratchFolder() / "OUT.DAT";
    vd::TextWriter writer;
    ASSERT_TRUE(writer.open(win(path), vd::WriteMode::Replace));
    EXPECT_TRUE(writer.writeLine("表ソ～ﾎﾟ"));
    EXPECT_TRUE(writer.write("a😀"));   // CP932 has no emoji: "?" and the write goes on
    EXPECT_TRUE(writer.writeLine("b"));
    EXPECT_TRUE(writer.writeRawLine("\xED\x40"));
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(readBytes(path), "\x95\x5C\x83\x5C\x81\x60\xCE\xDF\r\na?b\r\n\xED\x40\r\n");
}

TEST(TextWriter, AppendsWithoutTruncating)
{
    struct Case {
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"a\r\n", "a\r\nb\r\n"},
        {"", "b\r\n"},
        {"a", "a\r\nb\r\n"},       // the last line gets its end instead of being joined
        {"a\r", "a\r\nb\r\n"},
        {"a\n", "a\nb\r\n"},
        {"a\r\n\x1A", "a\r\nb\r\n"}, // an old end-of-text mark would hide what follows
    };
    const fs::path path = scratchFolder() / "PNTFILE.DAT";
    for (const vd::WriteMode mode : {vd::WriteMode::Append, vd::WriteMode::AppendExisting}) {
        for (const Case& c : cases) {
            writeBytes(path, c.before);
            vd::TextWriter writer;
            ASSERT_TRUE(writer.open(win(scratchFolder()) + "\\pntfile.dat", mode));
            writer.writeLine("b");
            ASSERT_TRUE(writer.close());
            EXPECT_EQ(readBytes(path), c.after) << testing::PrintToString(c.before);
        }
    }
    EXPECT_EQ(entriesIn(scratchFolder()), 1u);
}

TEST(TextWriter, AppendCreatesOrRefusesAMissingFile)
{
    const fs::path created = scratchFolder() / "new.dat";
    vd::TextWriter writer;
    ASSERT_TRUE(writer.open(win(created), vd::WriteMode::Append));
    writer.writeLine("一");
    ASSERT_TRUE(writer.close());
    EXPECT_EQ(readBytes(created), "\x88\xEA\r\n");

    const fs::path refused = scratchFolder() / "BINDER.DAT";
    EXPECT_FALSE(writer.open(win(refused), vd::WriteMode::AppendExisting));
    EXPECT_FALSE(writer.writeLine("x"));
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(fs::exists(refused));
    EXPECT_FALSE(writer.open(win(scratchFolder() / "nofolder" / "a.dat"), vd::WriteMode::Append));
    EXPECT_FALSE(writer.open(win(scratchFolder()), vd::WriteMode::Append)); // a folder
}

// Lines that are not changed keep their bytes, even those that do not survive CP932 -> UTF-8
// -> CP932 (an NEC-selected IBM extension, an invalid byte) and lines ending in LF only.
TEST(TextLines, RewriteKeepsUntouchedLinesByteForByte)
{
    const std::string nec = "\xED\x40\x83\x5C";      // 纊ソ
    const std::string invalid = "abc\x80\xFF\x85\x40"; // bytes CP932 does not define
    ASSERT_NE(vd::utf8ToCp932(vd::cp932ToUtf8(nec)), nec);
    ASSERT_NE(vd::utf8ToCp932(vd::cp932ToUtf8(invalid)), invalid);

    const fs::path path = scratchFolder() / "MENUFILE.DAT";
    writeBytes(path, nec + "\r\nchange me\n" + invalid + "\r\n\xB6\xC5\n" + "last");
    std::optional<vd::TextLines> lines = vd::TextLines::read(win(path));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 5u);
    EXPECT_EQ(lines->text(1), "change me");
    EXPECT_TRUE(lines->setText(1, "変更"));
    EXPECT_TRUE(lines->insertText(5, "末尾"));
    EXPECT_TRUE(lines->erase(4));
    EXPECT_FALSE(lines->erase(9));
    EXPECT_FALSE(lines->setText(9, "x"));
    ASSERT_TRUE(lines->write(win(path)));

    EXPECT_EQ(readBytes(path), nec + "\r\n\x95\xCF\x8D\x58\r\n" + invalid + "\r\n\xB6\xC5\r\n\x96\x96\x94\xF6\r\n");
    EXPECT_EQ(entriesIn(scratchFolder()), 1u); // no temporary file left
}

TEST(TextLines, RewriteKeepsPermissions)
{
    const fs::path path = scratchFolder() / "list.dat";
    writeBytes(path, "a\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    vd::TextLines lines;
    lines.appendText("b");
    ASSERT_TRUE(lines.write(win(path)));
    EXPECT_EQ(readBytes(path), "b\r\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The write runs into the process's file-size limit (which binds root too): the replacement is
// cut short, so the old file must stay as it was and no temporary file may remain.
TEST(TextLines, FailedRewriteLeavesTheOldFileWhole)
{
    const fs::path path = scratchFolder() / "PLACES.DAT";
    std::string old;
    for (int i = 0; i < 100; ++i)
        old += "old line " + std::to_string(i) + "\r\n";
    writeBytes(path, old);

    std::optional<vd::TextLines> lines = vd::TextLines::read(win(path));
    ASSERT_TRUE(lines);
    for (int i = 0; i < 1000; ++i)
        lines->appendText("新しい行 " + std::to_string(i));

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = lines->write(win(path));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(entriesIn(scratchFolder()), 1u);
}

TEST(TextLines, AbandonedOrImpossibleRewriteLeavesTheOldFile)
{
    const fs::path path = scratchFolder() / "ROUTMSTR.DAT";
    writeBytes(path, "old\r\n");
    {
        vd::TextWriter writer;
        ASSERT_TRUE(writer.open(win(path), vd::WriteMode::Replace));
        writer.writeLine("new");
        // Leaves scope without close(): nothing is replaced.
    }
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(entriesIn(scratchFolder()), 1u);

    // The "folder" of the target is a file: nothing can be written there.
    vd::TextLines lines;
    lines.appendText("x");
    EXPECT_FALSE(lines.write(win(path / "inner.dat")));
    EXPECT_FALSE(lines.write(win(scratchFolder())));
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_FALSE(vd::TextLines::read(win(scratchFolder() / "missing.dat")));
}

// A save killed mid-write leaves its temporary file; the next start removes those of this writer
// (in the folder and the folders inside it) and nothing that only looks like one.
TEST(FileSink, LeftReplacementsAreRemovedAndNothingElse)
{
    const fs::path top = scratchFolder() / "home";
    const struct {
        const char* path;
        bool removed;
    } cases[] = {
        {".DddPFile.dat.0123456789abcdef.tmp", true},
        {"PALETTE/.PALETTE.DAT.fedcba9876543210.tmp", true},
        {"a/b/.deep.dat.0123456789abcdef.tmp", false}, // deeper than the folders inside it
        {".DddPFile.dat.0123456789ABCDEF.tmp", false}, // upper-case digits: not ours
        {".DddPFile.dat.0123456789abcde.tmp", false},  // 15 digits
        {"DddPFile.dat.0123456789abcdef.tmp", false},  // no leading dot
        {".notes.tmp", false},
        {"DddPFile.dat", false},
    };
    for (const auto& c : cases)
        writeBytes(top / c.path, "x");
    vd::removeLeftReplacements(top.string());
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(top / c.path), !c.removed) << c.path;
}

} // namespace
