// Rewrites of the point data file and of a place-name file that fail part way (a full disk):
// at every 512-byte boundary the old file stays byte for byte; a rewrite that succeeds changes
// only the line it meant to.
#include "UserDataTestSupport.h"

#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;
using doctest::ReadBytes;
using testsupport::ForEachWriteFailure;
using testsupport::UnderFileSizeLimit;

std::vector<std::string> Records()
{
    std::vector<std::string> lines{"; 登録地点"};
    for (int n = 0; n < 60; ++n)
        lines.push_back("地点" + std::to_string(n) + " 35.1" + std::to_string(n % 10) + "00 139.2000 項目 @:TEXT\\p" +
                        std::to_string(n) + ".txt");
    return lines;
}

std::size_t FilesIn(const path& folder)
{
    return static_cast<std::size_t>(std::distance(doctest::fs::directory_iterator(folder), {}));
}

TEST(PointDataWriteFailure, ReplaceLeavesTheOldFileOrChangesOnlyItsLine)
{
    auto doc = MakeDocument();
    std::vector<std::string> lines = Records();
    const std::string original = Cp932Lines(lines);
    const Fixture data = WriteFixture("SOURCE/history.dat", original);
    doc->registered.m_strDataFile = data.winPath;
    lines[31] = "置換 35.3000 139.3000 新しい項目 @:TEXT\\p30.txt";
    const std::string replaced = Cp932Lines(lines);

    ForEachWriteFailure(replaced.size(), [&](rlim_t limit) {
        doctest::WriteBytes(data.file, original);
        const bool written = UnderFileSizeLimit(limit, [&] {
            return doc->ReplaceRecord(0, lines[31], "p30.txt");
        });
        EXPECT_EQ(written, limit == RLIM_INFINITY) << limit;
        EXPECT_EQ(ReadBytes(data.file), written ? replaced : original) << limit;
        EXPECT_EQ(FilesIn(data.file.parent_path()), 1u) << limit;
    });
}

TEST(PointDataWriteFailure, DeleteFromAPlaceNameFileLeavesTheOldFileOrDropsOnlyItsLine)
{
    auto doc = MakeDocument();
    std::vector<std::string> lines = Records();
    const std::string original = Cp932Lines(lines);
    const Fixture names = WriteFixture("PLACES/placenmn.dat", original);
    lines.erase(lines.begin() + 41);
    const std::string deleted = Cp932Lines(lines);

    ForEachWriteFailure(deleted.size(), [&](rlim_t limit) {
        doctest::WriteBytes(names.file, original);
        const bool written = UnderFileSizeLimit(limit, [&] { return doc->DeleteRecord(names.winPath, "p40.txt", "", ""); });
        EXPECT_EQ(written, limit == RLIM_INFINITY) << limit;
        EXPECT_EQ(ReadBytes(names.file), written ? deleted : original) << limit;
        EXPECT_EQ(FilesIn(names.file.parent_path()), 1u) << limit;
    });
}

} // namespace
