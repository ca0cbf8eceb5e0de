#include "contracts/pelmora.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

OnDddFileEdit_fn* LoadOnDddFileEdit()
{
    vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
    return vd::entryPoint<OnDddFileEdit_fn>("Pelmora.DLL", "OnDddFileEdit");
}

// The default contents, built line by line as the families lay them out.
std::string Expected(int tabs, const std::vector<int>& rowsPerTab, const char* keys,
                     const std::vector<std::string>& tabOneNames)
{
    std::string text;
    for (int tab = 1; tab <= tabs; ++tab) {
        const int rows = rowsPerTab[tab - 1];
        for (const char* key = keys; *key; ++key)
            for (int row = 1; row <= rows; ++row) {
                switch (*key) {
                case 'T': text += vd::format("T%d_%d=%s\r\n", tab, row, tab == 1 && row <= int(tabOneNames.size()) ? tabOneNames[row - 1] : ""); break;
                case 'F': text += vd::format("F%d_%d=\r\n", tab, row); break;
                case 'C': text += vd::format("C%d_%d=%d\r\n", tab, row, row - 1); break;
                default: text += vd::format("%c%d_%d=0\r\n", *key, tab, row); break;
                }
            }
    }
    return vd::utf8ToCp932(text);
}

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(OnDddFileEdit, WritesTheFourDefaultFilesWithTheirExactBytes)
{
    OnDddFileEdit_fn* edit = LoadOnDddFileEdit();
    ASSERT_NE(edit, nullptr);
    edit(WinPathOf("DddMFile.dat"), vd::applicationFolder(), 0);

    const std::string line = ReadBytes(HomeFolder() / "DddMFile.dat");
    const std::string surface = ReadBytes(HomeFolder() / "DddSFile.dat");
    const std::string point = ReadBytes(HomeFolder() / "DddPFile.dat");
    const std::string mesh = ReadBytes(HomeFolder() / "DdMsFile.dat");
    EXPECT_EQ(line, Expected(5, {5, 5, 5, 5, 5}, "TFC", {"道路"}));
    EXPECT_EQ(surface, Expected(3, {5, 5, 5}, "TFCPN", {}));
    EXPECT_EQ(point, Expected(2, {5, 2}, "TFCPN", {"公共施設", "文化財", "水系域流路延長"}));
    EXPECT_EQ(mesh, Expected(2, {5, 5}, "TFCPN", {}));
    EXPECT_EQ(LineCount(line), 75);
    EXPECT_EQ(LineCount(surface), 75);
    EXPECT_EQ(LineCount(point), 35);
    EXPECT_EQ(LineCount(mesh), 50);
    EXPECT_EQ(line.substr(0, 11), vd::utf8ToCp932("T1_1=道路\r\n"));
}

TEST(OnDddFileEdit, NeverOverwritesAUsersFileInAnyCase)
{
    OnDddFileEdit_fn* edit = LoadOnDddFileEdit();
    ASSERT_NE(edit, nullptr);
    WriteBytes(HomeFolder() / "DDDPFILE.DAT", "T1_1=mine\r\n");
    WriteBytes(HomeFolder() / "dddsfile.dat", "T1_1=mine too\r\n");

    // The line file is missing: only the missing ones are written.
    edit(WinPathOf("DddMFile.dat"), vd::applicationFolder(), 0);
    EXPECT_EQ(ReadBytes(HomeFolder() / "DDDPFILE.DAT"), "T1_1=mine\r\n");
    EXPECT_EQ(ReadBytes(HomeFolder() / "dddsfile.dat"), "T1_1=mine too\r\n");
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DddPFile.dat"));
    EXPECT_TRUE(std::filesystem::exists(HomeFolder() / "DddMFile.dat"));
    EXPECT_TRUE(std::filesystem::exists(HomeFolder() / "DdMsFile.dat"));
}

TEST(OnDddFileEdit, SelectorOneWritesOnlyThePointAndMeshFiles)
{
    OnDddFileEdit_fn* edit = LoadOnDddFileEdit();
    ASSERT_NE(edit, nullptr);
    edit(WinPathOf("DddPFile.dat"), vd::applicationFolder(), 1);
    EXPECT_TRUE(std::filesystem::exists(HomeFolder() / "DddPFile.dat"));
    EXPECT_TRUE(std::filesystem::exists(HomeFolder() / "DdMsFile.dat"));
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DddMFile.dat"));
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DddSFile.dat"));

    // A folder that does not exist: nothing is written and nothing escapes the call.
    edit(WinPathOf("NOFOLDER\\DddMFile.dat"), WinPathOf("NOFOLDER\\"), 0);
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "NOFOLDER"));
}

} // namespace
