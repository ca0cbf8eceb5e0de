#include "layers/settings/files/LayerSettingsFile.h"
#include "platform/text/Cp932.h"
#include "SettingsFilesSupport.h"

#include <gtest/gtest.h>

namespace {

LayerSettingsTable ReadLineFamily(const std::string& cp932Bytes, bool* opened = nullptr)
{
    WriteBytes(HomeFolder() / "DddMFile.dat", cp932Bytes);
    LayerSettingsTable table(7, 5);
    const bool ok = ReadLayerSettingsFile(WinPathOf("DDDMFILE.DAT"), "TFC", table);
    if (opened)
        *opened = ok;
    return table;
}

TEST(LayerSettingsFile, ReadsRowKeysByByteColumns)
{
    const std::string text = vd::utf8ToCp932(
        "; comment T1_1=ignored\r\n"
        "\r\n"
        "T1_1=道路\r\n"
        "F1_1=d:\\ksj\\n01(n01-07l-)\r\n"
        "C1_1=107\r\n"
        "T7_5=表ソ\n"                    // LF alone; second bytes 0x5C survive
        "C7_5=\r\n"                      // empty value reads 0
        "T2_3=first\r\n"
        "T2_3=second\r\n"                // the later line wins
        "P1_1=99\r\n"                    // not a key of this reader
        "S3_17=x\r\n"                    // a named key
        "T8_1=outside\r\n"               // tab outside the table
        "T1_0=outside\r\n"               // row outside the table
        "TA_1=outside\r\n"
        "T1_2\r\n"                       // shorter than 5 bytes
        "t1_2=lower case\r\n"
        "C2_2=12abc");                   // no final line end
    bool opened = false;
    const LayerSettingsTable table = ReadLineFamily(text, &opened);
    ASSERT_TRUE(opened);
    EXPECT_EQ(table.at(1, 1).name, "道路");
    EXPECT_EQ(table.at(1, 1).file, "d:\\ksj\\n01(n01-07l-)");
    EXPECT_EQ(table.at(1, 1).colour, 107);
    EXPECT_EQ(table.at(1, 1).p, 0);
    EXPECT_EQ(table.at(7, 5).name, "表ソ");
    EXPECT_EQ(table.at(7, 5).colour, 0);
    EXPECT_EQ(table.at(2, 3).name, "second");
    EXPECT_EQ(table.at(2, 2).colour, 12);
    EXPECT_EQ(table.at(1, 2).name, "");
    for (int tab = 3; tab <= 6; ++tab)
        for (int row = 1; row <= 5; ++row)
            EXPECT_EQ(table.at(tab, row).name, "") << tab << "," << row;
}

TEST(LayerSettingsFile, ReadsLongLinesWholeAndKeepsCellsWithoutLines)
{
    // A value far past the old 98-byte line: its tail must not come back as another key.
    const std::string longName(150, 'a');
    const std::string text = "T1_2=" + longName + "C1_3=55\r\n";
    LayerSettingsTable table(7, 5);
    table.at(1, 3).colour = 4;
    table.at(1, 4).name = "from the caller";
    WriteBytes(HomeFolder() / "DddMFile.dat", text);
    ASSERT_TRUE(ReadLayerSettingsFile(WinPathOf("DddMFile.dat"), "TFC", table));
    EXPECT_EQ(table.at(1, 2).name, longName + "C1_3=55");
    EXPECT_EQ(table.at(1, 3).colour, 4);
    EXPECT_EQ(table.at(1, 4).name, "from the caller");

    EXPECT_FALSE(ReadLayerSettingsFile(WinPathOf("missing.dat"), "TFC", table));
}

TEST(LayerSettingsFile, WritesTabByTabInKeyGroupsAndReadsBack)
{
    LayerSettingsTable table(std::vector<int>{2, 1});
    table.at(1, 1) = {"公共施設", "d:\\p\\a.txt", 3, 4, 5};
    table.at(1, 2) = {"", "", 1, 0, -2};
    table.at(2, 1) = {"ポ", "", 0, 0, 0};
    ASSERT_TRUE(WriteLayerSettingsFile(WinPathOf("DddPFile.dat"), "TFCPN", table));
    EXPECT_EQ(ReadBytes(HomeFolder() / "DddPFile.dat"),
              vd::utf8ToCp932("T1_1=公共施設\r\nT1_2=\r\nF1_1=d:\\p\\a.txt\r\nF1_2=\r\nC1_1=3\r\nC1_2=1\r\n"
                              "P1_1=4\r\nP1_2=0\r\nN1_1=5\r\nN1_2=-2\r\n"
                              "T2_1=ポ\r\nF2_1=\r\nC2_1=0\r\nP2_1=0\r\nN2_1=0\r\n"));

    LayerSettingsTable back(std::vector<int>{2, 1});
    ASSERT_TRUE(ReadLayerSettingsFile(WinPathOf("dddpfile.dat"), "TFCPN", back));
    EXPECT_EQ(back.at(1, 1).name, "公共施設");
    EXPECT_EQ(back.at(1, 1).file, "d:\\p\\a.txt");
    EXPECT_EQ(back.at(1, 1).n, 5);
    EXPECT_EQ(back.at(1, 2).n, -2);
    EXPECT_EQ(back.at(2, 1).name, "ポ");
}

} // namespace
