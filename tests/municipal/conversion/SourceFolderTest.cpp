// Which files of a folder convert, into which slot and under which name, and the closing message
// that names what was refused or could not be written.
#include "municipal/conversion/FolderConversion.h"
#include "platform/sys/ApplicationFolder.h"
#include "tests/municipal/conversion/SourceFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace fixtures;
using municipal::SourceTheme;

namespace {

std::filesystem::path Folder(const std::string& name)
{
    const std::filesystem::path folder = vd::applicationFolderPath() / name;
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

TEST(SourceFolder, NamesAndSlotsFollowTheSourceName)
{
    struct Case {
        const char* source;
        SourceTheme theme;
        const char* output;
        int slot;
    } cases[] = {
        {"n03-001-13.txt", SourceTheme::AdministrativeArea, "Pg001_13.dat", 13},
        {"N03-001-27.TXT", SourceTheme::AdministrativeArea, "Pg001_27.dat", 27},
        {"c23-59l-13.txt", SourceTheme::Coastline, "Ln59l_13.dat", 13},
        {"C23-59L-05.TXT", SourceTheme::Coastline, "Ln59l_05.dat", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(municipal::OutputFileName(c.source, c.theme), c.output);
        EXPECT_EQ(municipal::PrefectureSlot(c.source), c.slot);
    }
}

TEST(SourceFolder, ThePlanKeepsSlotOrderAndRefusesByName)
{
    const auto folder = Folder("plan");
    for (const char* name : {"n03-001-27.txt", "N03-001-25.TXT", "n03-001-60.txt", "n03-dup-25.txt", "readme.txt",
                             "c23-59l-25.txt", "n03-001-26.txt.bak"})
        WriteFile((folder / name).string(), "x");
    std::filesystem::create_directory(folder / "n03-dir-24.txt");

    const municipal::SourcePlan plan = municipal::PlanSourceFolder(vd::applicationFolder() + "plan\\", SourceTheme::AdministrativeArea);
    std::vector<std::string> kept;
    for (const municipal::SourceFile& f : plan.files)
        kept.push_back(f.name + ">" + f.outputName);
    EXPECT_EQ(kept, (std::vector<std::string>{"N03-001-25.TXT>Pg001_25.dat", "n03-001-26.txt.bak>Pg001_26.dat",
                                               "n03-001-27.txt>Pg001_27.dat"}));
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].name, "n03-001-60.txt");
    EXPECT_EQ(plan.refused[1].name, "n03-dup-25.txt");
    EXPECT_NE(plan.refused[1].reason.find("N03-001-25.TXT"), std::string::npos);

    const auto many = Folder("many");
    for (int i = 0; i < 61; ++i)
        WriteFile((many / vd::format("n03-%03d-%02d.txt", i, i % 60)).string(), "x");
    const municipal::SourcePlan full = municipal::PlanSourceFolder(vd::applicationFolder() + "many\\", SourceTheme::AdministrativeArea);
    EXPECT_EQ(full.files.size(), 60u);
    ASSERT_EQ(full.refused.size(), 1u);
    EXPECT_EQ(full.refused[0].name, "n03-060-00.txt");
}

TEST(SourceFolder, TheClosingMessageNamesWhatFailed)
{
    // An empty folder text converts nothing, not even in the working folder.
    const municipal::FolderConversionReport unset = municipal::ConvertSourceFolder("", SourceTheme::AdministrativeArea);
    EXPECT_FALSE(unset.folderSet);
    EXPECT_FALSE(std::filesystem::exists("CityPlgn"));
    EXPECT_EQ(municipal::ClosingMessage(unset, SourceTheme::AdministrativeArea),
              "行政界・海岸線のフォルダが指定されていません。");

    // CityPlgn cannot be made: a file has its name.
    const auto folder = Folder("blocked");
    WriteFile((folder / "n03-001-25.txt").string(), AdministrativeFixture());
    WriteFile((folder / "n03-001-99.txt").string(), AdministrativeFixture());
    WriteFile((folder / "CityPlgn").string(), "in the way");
    const auto report = municipal::ConvertSourceFolder(vd::applicationFolder() + "blocked", SourceTheme::AdministrativeArea);
    EXPECT_EQ(municipal::ClosingMessage(report, SourceTheme::AdministrativeArea),
              "変換が終りました。  (都道府県数=1)\n\n書き込んだフォルダ:\n  " + vd::applicationFolder() +
                  "blocked\\CityPlgn\\\n\n書き込めなかったファイル:\n  " + vd::applicationFolder() +
                  "blocked\\CityPlgn\\Pg001_25.dat\n\n変換しなかったファイル:\n  n03-001-99.txt (都道府県番号 99 は範囲外)");

    std::filesystem::remove(folder / "CityPlgn");
    const auto written = municipal::ConvertSourceFolder(vd::applicationFolder() + "blocked\\", SourceTheme::AdministrativeArea);
    EXPECT_TRUE(written.failedOutputs.empty());
    EXPECT_EQ(ReadFile((folder / "CityPlgn" / "Pg001_25.dat").string()), ExpectedAdministrativeFile());
}

// An observer that asks to stop (the program is ending) stops the conversion between two files:
// the outputs written are whole, no further one is begun and nothing half-written is left.
TEST(SourceFolder, AStopBetweenFilesLeavesWholeOutputsOnly)
{
    struct StopAfter : municipal::ConversionObserver {
        explicit StopAfter(int files) : files(files) {}
        void fileStarted(const std::string&, int done, int) override { started = done; }
        bool stopRequested() override { return started >= files; }
        int files;
        int started = 0;
    };
    const auto folder = Folder("stopped");
    for (const char* slot : {"25", "26", "27", "28"})
        WriteFile((folder / ("n03-001-" + std::string(slot) + ".txt")).string(), AdministrativeFixture());
    StopAfter observer(2);
    const auto report =
        municipal::ConvertSourceFolder(vd::applicationFolder() + "stopped", SourceTheme::AdministrativeArea, &observer);
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(report.prefectures, 2);
    EXPECT_EQ(observer.started, 2);
    std::vector<std::string> outputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "CityPlgn")) {
        outputs.push_back(entry.path().filename().string());
        EXPECT_EQ(ReadFile(entry.path().string()), ExpectedAdministrativeFile()) << entry.path();
    }
    std::sort(outputs.begin(), outputs.end());
    EXPECT_EQ(outputs, (std::vector<std::string>{"Pg001_25.dat", "Pg001_26.dat"}));
}
