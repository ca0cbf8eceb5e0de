// DDMSFILE.DAT as the natural-environment mesh dialog reads and rewrites it.
#include "layers/settings/naturemesh/NatureMeshSettingsFile.h"
#include "platform/text/Cp932.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(NatureMeshSettingsFile, ReadsNamesTextsAndItemsIntoTheirSlots)
{
    const std::string longPath = "D:\\" + std::string(200, 'k') + "\\(G02-62A_)";
    WriteBytes(HomeFolder() / "DdMsFile.dat",
               vd::utf8ToCp932(";コメント\r\n\r\nT1_1=気候\r\nF1_1=" + longPath + "\r\nN1_1=154\r\n"
                               "T1_2=指定\nF1_2=D:\\A\\(A29-11_)\r\nN1_2=5\r\nN1_2=6\r\n"
                               "T2_2=沿岸\r\nF2_2=d:\\c|d.txt\r\nN2_2=abc\r\nN2_1=\r\nN1_4=3\r\n"
                               "T3_1=out\r\nT1_6=out\r\nT0_1=out\r\nC1_3=9\r\nP1_3=9\r\nS1_3=x\r\nN1\r\nT1_3\r\n"));
    NatureMeshSlots slots;
    slots.name[2] = "kept";
    slots.text[3] = "kept";
    slots.item[5] = 2;
    slots.on[0] = 1;
    ASSERT_TRUE(ReadNatureMeshSettingsFile(WinPathOf("DDMSFILE.DAT"), slots)) << "found whatever its case";
    EXPECT_EQ(slots.name[0], "気候");
    EXPECT_EQ(slots.text[0], longPath) << "a line of any length is read whole";
    EXPECT_EQ(slots.item[0], 154);
    EXPECT_EQ(slots.on[0], 1) << "on values are not stored";
    EXPECT_EQ(slots.name[1], "指定");
    EXPECT_EQ(slots.text[1], "D:\\A\\(A29-11_)");
    EXPECT_EQ(slots.item[1], 6) << "the later line wins";
    EXPECT_EQ(slots.name[2], "kept") << "short lines and other keys are skipped";
    EXPECT_EQ(slots.item[2], 0);
    EXPECT_EQ(slots.text[3], "kept");
    EXPECT_EQ(slots.item[3], 3);
    EXPECT_EQ(slots.item[5], 0) << "an empty field reads 0";
    EXPECT_EQ(slots.item[6], 0) << "a non-numeric field reads 0";
    EXPECT_EQ(slots.text[6], "d:\\c｜d.txt") << "a bar would shift the answer";

    NatureMeshSlots missing;
    missing.name[3] = "passed";
    EXPECT_FALSE(ReadNatureMeshSettingsFile(WinPathOf("none\\DDMSFILE.DAT"), missing));
    EXPECT_EQ(missing.name[3], "passed");
}

TEST(NatureMeshSettingsFile, RewritesThirtyLinesWithTheClimateNameFirst)
{
    NatureMeshSlots slots;
    for (int k = 0; k < kMeshSlotCount; ++k) {
        slots.name[k] = "名" + std::to_string(k);
        slots.text[k] = "D:\\d" + std::to_string(k);
        slots.item[k] = 100 + k;
        slots.on[k] = 1;
    }
    WriteBytes(HomeFolder() / "DdMsFile.dat", "old\r\n");
    ASSERT_TRUE(WriteNatureMeshSettingsFile(WinPathOf("DDMSFILE.DAT"), slots));
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DDMSFILE.DAT")) << "the existing file is rewritten";
    std::string expected;
    for (int tab = 1; tab <= 2; ++tab) {
        for (const char key : {'T', 'F', 'N'}) {
            for (int row = 1; row <= 5; ++row) {
                const int k = 5 * (tab - 1) + row - 1;
                const std::string value = key == 'T'   ? (k == 0 ? "気候値" : "名" + std::to_string(k))
                                          : key == 'F' ? "D:\\d" + std::to_string(k)
                                                       : std::to_string(100 + k);
                expected += std::string(1, key) + std::to_string(tab) + "_" + std::to_string(row) + "=" + value + "\r\n";
            }
        }
    }
    EXPECT_EQ(ReadBytes(HomeFolder() / "DdMsFile.dat"), vd::utf8ToCp932(expected));

    NatureMeshSlots again;
    ASSERT_TRUE(ReadNatureMeshSettingsFile(WinPathOf("DdMsFile.dat"), again));
    EXPECT_EQ(again.name[0], "気候値");
    EXPECT_EQ(again.text, slots.text);
    EXPECT_EQ(again.item, slots.item);
}
