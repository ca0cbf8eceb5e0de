// A settings file rewritten on a full disk: at every 512-byte boundary the old file stays byte
// for byte and no temporary file is left; the rewrite that succeeds gives the new table.
#include "layers/settings/files/LayerSettingsFile.h"
#include "platform/text/Format.h"
#include "SettingsFilesSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ForEachWriteFailure;
using testsupport::UnderFileSizeLimit;

LayerSettingsTable SampleTable(const std::string& word)
{
    LayerSettingsTable table(7, 5);
    for (int tab = 1; tab <= 7; ++tab)
        for (int row = 1; row <= 5; ++row) {
            LayerSettingsRow& r = table.at(tab, row);
            r.name = vd::format("%s%d-%d", word, tab, row);
            r.file = vd::format("D:\\KSJ\\N%02d\\", tab * 10 + row);
            r.colour = tab * row;
        }
    return table;
}

TEST(SettingsWriteFailure, TheOldFileStaysUnlessTheWholeNewOneWasWritten)
{
    const std::filesystem::path folder = HomeFolder() / "settings";
    std::filesystem::create_directories(folder);
    const std::string path = WinPathOf("settings\\DddMFile.dat");
    ASSERT_TRUE(WriteLayerSettingsFile(path, "TFC", SampleTable("道路")));
    const std::string original = ReadBytes(folder / "DddMFile.dat");
    ASSERT_TRUE(WriteLayerSettingsFile(path, "TFC", SampleTable("鉄道線")));
    const std::string rewritten = ReadBytes(folder / "DddMFile.dat");
    ASSERT_GT(rewritten.size(), 1024u);

    ForEachWriteFailure(rewritten.size(), [&](rlim_t limit) {
        WriteBytes(folder / "DddMFile.dat", original);
        const bool written =
            UnderFileSizeLimit(limit, [&] { return WriteLayerSettingsFile(path, "TFC", SampleTable("鉄道線")); });
        EXPECT_EQ(written, limit == RLIM_INFINITY) << limit;
        EXPECT_EQ(ReadBytes(folder / "DddMFile.dat"), written ? rewritten : original) << limit;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << limit;
    });
}

} // namespace
