// The sample rows of KSJ\SAMPLE.DAT installed into a settings file: same key replaced, other
// lines kept, new keys appended, "@:" expanded to the application folder; nothing without
// SAMPLE.DAT. Every file row of the bundled SAMPLE.DAT names files that are bundled.
#include "app/layers/SampleLayerRows.h"
#include "platform/fs/PathResolver.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class SampleLayerRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "KSJ");
    }
    void Write(const fs::path& name, const std::vector<std::string>& lines) const
    {
        std::ofstream out(folder_ / name, std::ios::binary);
        for (const std::string& line : lines)
            out << vd::utf8ToCp932(line) << "\r\n";
    }
    std::vector<std::string> Read(const std::string& name) const
    {
        return vd::readTextLines(AppDir() + name).value_or(std::vector<std::string>{});
    }
    std::string AppDir() const { return vd::toWindowsPath(folder_.string()).value_or("") + "\\"; }

    fs::path folder_ = fs::path(std::getenv("VELDORAN_HOME")) / "sample-rows";
};

TEST_F(SampleLayerRows, ReplacesTheSameKeyKeepsOthersAndExpandsTheFolder)
{
    Write("KSJ/SAMPLE.DAT", {"DddMFile.dat T1_2=河川", "dddmfile.DAT F1_2=@:KSJ\\(RIVER_S_)",
                             "DddPFile.dat T1_1=公共施設", "not a row", "DddMFile.dat no key"});
    Write("DddMFile.dat", {"; the user's comment", "T1_1=道路", "T1_2=", "C1_2=3"});
    InstallSampleLayerRows(AppDir(), "DddMFile.dat");
    EXPECT_EQ(Read("DddMFile.dat"), (std::vector<std::string>{"; the user's comment", "T1_1=道路", "T1_2=河川",
                                                                "C1_2=3", "F1_2=" + AppDir() + "KSJ\\(RIVER_S_)"}));
}

TEST_F(SampleLayerRows, NothingChangesWithoutSampleRows)
{
    Write("DddPFile.dat", {"T1_1=", "F1_1="});
    InstallSampleLayerRows(AppDir(), "DddPFile.dat");
    EXPECT_EQ(Read("DddPFile.dat"), (std::vector<std::string>{"T1_1=", "F1_1="}));
    // Rows for another file only.
    Write("KSJ/SAMPLE.DAT", {"DddMFile.dat T1_2=河川"});
    InstallSampleLayerRows(AppDir(), "DddPFile.dat");
    EXPECT_EQ(Read("DddPFile.dat"), (std::vector<std::string>{"T1_1=", "F1_1="}));
    // A settings file that is missing stays missing.
    InstallSampleLayerRows(AppDir(), "DddMFile.dat");
    EXPECT_FALSE(fs::exists(folder_ / "DddMFile.dat"));
}

TEST_F(SampleLayerRows, AMissingFileIsCreatedOnlyWhenAskedAndOnlyWithRows)
{
    Write("KSJ/SAMPLE.DAT", {"DDFTFILE.DAT F1_4=@:KSJ\\LAKE_S.TXT"});
    InstallSampleLayerRows(AppDir(), "DDDSFILE.DAT", true);
    EXPECT_FALSE(fs::exists(folder_ / "DDDSFILE.DAT"));
    InstallSampleLayerRows(AppDir(), "DDFTFILE.DAT");
    EXPECT_FALSE(fs::exists(folder_ / "DDFTFILE.DAT"));
    InstallSampleLayerRows(AppDir(), "DDFTFILE.DAT", true);
    EXPECT_EQ(Read("DDFTFILE.DAT"), (std::vector<std::string>{"F1_4=" + AppDir() + "KSJ\\LAKE_S.TXT"}));
}

TEST(BundledSampleRows, EveryFileRowNamesBundledFiles)
{
    const auto rows = vd::readTextLines(vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\KSJ\\SAMPLE.DAT");
    ASSERT_TRUE(rows.has_value());
    int fileRows = 0;
    for (const std::string& row : *rows) {
        const std::size_t at = row.find("=@:KSJ\\");
        if (at == std::string::npos)
            continue;
        ++fileRows;
        std::string name = row.substr(at + 7);
        // "(STEM)" names the per-prefecture files STEM + pp + ".txt".
        if (name.starts_with("(")) {
            const std::string stem = name.substr(1, name.size() - 2);
            bool any = false;
            for (int code = 1; code <= 47 && !any; ++code)
                any = fs::exists(fs::path(VD_SAMPLE_DATA_DIR) / "KSJ" / (stem + (code < 10 ? "0" : "") + std::to_string(code) + ".txt"));
            EXPECT_TRUE(any) << row;
        } else {
            EXPECT_TRUE(fs::exists(fs::path(VD_SAMPLE_DATA_DIR) / "KSJ" / name)) << row;
        }
    }
    EXPECT_EQ(fileRows, 10);
}

} // namespace
