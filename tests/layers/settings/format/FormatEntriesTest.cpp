// The data sets the format viewer lists, from the flags and the seven settings files.
#include "layers/settings/format/FormatEntries.h"
#include "platform/text/Cp932.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

namespace {

void WriteSettings(const std::string& name, const std::string& utf8)
{
    WriteBytes(HomeFolder() / name, vd::utf8ToCp932(utf8));
}

std::string Flags(std::initializer_list<std::pair<int, int>> set)
{
    int fields[kFormatFlagCount] = {};
    for (auto [field, value] : set)
        fields[field] = value;
    std::string text;
    for (int f : fields)
        text += std::to_string(f) + "|";
    return text;
}

std::vector<std::string> Names(const std::vector<FormatEntry>& entries)
{
    std::vector<std::string> names;
    for (const FormatEntry& e : entries)
        names.push_back(e.name.empty() ? e.page : e.name);
    return names;
}

} // namespace

TEST(FormatEntries, RowsComeInFileOrderWithTheirOverrides)
{
    WriteSettings("DddMFile.dat",
                  "T1_1=道路\r\nF1_1=D:\\KSJ\\N01-01.TXT\r\nT7_2=全国河川\r\nF7_2=D:\\KSJ\\W15.TXT\r\n");
    WriteSettings("DDDPFILE.DAT",
                  ";points\r\nT2_5=発電\r\nF2_5=D:\\KSJ\\P03.TXT\r\nT1_1=役場\r\nF1_1=D:\\KSJ\\P01.TXT\r\n");
    WriteSettings("DddSFile.dat", "T1_5=流域\r\nF1_5=D:\\KSJ\\(W12-0013)\r\n");
    WriteSettings("DGEOFILE.DAT",
                  "T1_1=地形\r\nF1_1=D:\\KSJ\\G01.TXT\r\nF1_2=D:\\KSJ\\G02.TXT\r\nF1_3=D:\\KSJ\\G03.TXT\r\n");
    const auto entries = CollectFormatEntries(
        Flags({{0, 1}, {76, 1}, {45, 1}, {50 + 4, 1}, {34, 1}, {99, 1}, {100, 1}, {101, 3}, {1, 2}}),
        vd::applicationFolder());
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"役場", "発電所", "道路", "全国河川", "流域界・非集水域",
                                                        "自然地形メッシュ", "谷密度メッシュ"}));
    EXPECT_EQ(entries[0].page, "d:\\ksj\\p01.html");
    EXPECT_EQ(entries[6].page, "d:\\ksj\\g03.html");
}

TEST(FormatEntries, ARowWithoutADataFileShiftsNoOtherPage)
{
    WriteSettings("DDDPFILE.DAT", "T1_1=役場\r\nT1_2=学校\r\nF1_2=D:\\KSJ\\P29.TXT\r\n");
    const auto entries = CollectFormatEntries(Flags({{45, 1}, {46, 1}, {101, 1}}), vd::applicationFolder());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "学校");
    EXPECT_EQ(entries[0].page, "d:\\ksj\\p29.html");
}

TEST(FormatEntries, NoFieldOfOneOrNoFilesGiveAnEmptyList)
{
    WriteSettings("DDDPFILE.DAT", "T1_1=役場\r\nF1_1=D:\\KSJ\\P01.TXT\r\n");
    EXPECT_TRUE(CollectFormatEntries(Flags({{45, 2}}), vd::applicationFolder()).empty());
    EXPECT_TRUE(CollectFormatEntries(Flags({{45, 1}}), WinPathOf("missing\\")).empty());
    EXPECT_TRUE(CollectFormatEntries("", vd::applicationFolder()).empty());
}

TEST(FormatEntries, AtMostFiftyEntries)
{
    std::string statistics;
    for (int tab = 1; tab <= 9; ++tab)
        for (int row = 1; row <= 5; ++row)
            statistics += "F" + std::to_string(tab) + "_" + std::to_string(row) + "=D:\\S" +
                          std::to_string(tab * 10 + row) + ".TXT\r\n";
    WriteSettings("DDMCFILE.DAT", statistics);
    std::string fine;
    for (int tab = 1; tab <= 9; ++tab)
        for (int row = 1; row <= 4; ++row)
            fine += "F" + std::to_string(tab) + "_" + std::to_string(row) + "=D:\\F" + std::to_string(tab * 10 + row) +
                    ".TXT\r\n";
    WriteSettings("DDFTFILE.DAT", fine);
    const auto entries =
        CollectFormatEntries(Flags({{90, 1}, {91, 1}, {92, 1}, {93, 1}, {94, 1}, {95, 1}, {96, 1}, {97, 1}, {98, 1}}),
                             vd::applicationFolder());
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.back().page, "d:\\f21.html");
}
