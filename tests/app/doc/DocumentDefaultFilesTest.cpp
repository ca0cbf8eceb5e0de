#include "app/document/VeldoranDoc.h"
#include "DocumentTestSupport.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

class DocumentDefaultFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        InstallFakeEditor();
    }
    std::shared_ptr<vd::ui::Script> script;
};

std::string Cp932Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return vd::utf8ToCp932(text);
}

TEST_F(DocumentDefaultFiles, AFirstRunWritesEveryMissingDefaultFile)
{
    auto doc = std::make_unique<CVeldoranDoc>();
    const std::string elements = vd::applicationFolder() + "MAPELMNT\\";
    EXPECT_EQ(ReadBytes(Home() / "MAPFILE.DAT"), Cp932Lines({"京都及大阪"}));
    EXPECT_EQ(ReadBytes(Home() / "MAPELMNT" / "PFCTRFL.DAT"),
              Cp932Lines({elements + "甲子園82.DAT", elements + "県別人口.DAT", elements + "県別面積.DAT"}));
    EXPECT_EQ(ReadBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT"),
              Cp932Lines({"東京@35.4200@139.4930", "大阪@34.4059@135.3121"}));
    EXPECT_EQ(ReadBytes(Home() / "PALETTE" / "PLTTFILE.DAT"),
              Cp932Lines({"地図帳(通常)$ATLAS1.PLT", "地図帳(明るい)$ATLAS2.PLT", "地図帳(高度帯)$ATLAS3.PLT",
                          "緑色(ﾎﾟﾘｸﾛｰﾑ)$ATLAS4.PLT", "緑色(ﾓﾉｸﾛｰﾑ)$ATLAS5.PLT", "灰色(ﾓﾉｸﾛｰﾑ)$ATLAS6.PLT",
                          "黄金(ﾓﾉｸﾛｰﾑ)$ATLAS7.PLT", "ﾗﾝﾄﾞｻｯﾄ(合成)$ATLAS8.PLT"}));
    // Pelmora wrote the four layer settings files.
    for (const char* name : {"DddMFile.dat", "DddSFile.dat", "DddPFile.dat", "DdMsFile.dat"})
        EXPECT_TRUE(fs::exists(Home() / name)) << name;
    EXPECT_EQ(ReadBytes(Home() / "DddMFile.dat").substr(0, 11), vd::utf8ToCp932("T1_1=道路\r\n"));
}

TEST_F(DocumentDefaultFiles, ExistingFilesAreLeftAloneWhateverTheirCase)
{
    const std::string mine = "mine\r\n";
    for (const char* name : {"mapfile.dat", "MAPELMNT/pfctrfl.dat", "PALETTE/PlttFile.dat", "DDDMFILE.DAT"})
        WriteBytes(Home() / name, mine);
    vd::ProfileStore().writeString("System", "MapName", "東京");
    auto doc = std::make_unique<CVeldoranDoc>();
    for (const char* name : {"mapfile.dat", "MAPELMNT/pfctrfl.dat", "PALETTE/PlttFile.dat", "DDDMFILE.DAT"})
        EXPECT_EQ(ReadBytes(Home() / name), mine) << name;
    EXPECT_FALSE(fs::exists(Home() / "MAPFILE.DAT"));
    EXPECT_FALSE(fs::exists(Home() / "DddMFile.dat"));
    // The point file was missing on its own: it is written, the user's line file is kept.
    EXPECT_TRUE(fs::exists(Home() / "DddPFile.dat"));
}

TEST_F(DocumentDefaultFiles, PaletteListComesFromTheProfileWhenItHoldsOne)
{
    vd::ProfileStore profile;
    profile.writeString("Palette", "Plt1", "私の色$MINE.PLT");
    profile.writeString("Palette", "Plt2", "海$SEA.PLT");
    profile.writeString("Palette", "Plt4", "never read$X.PLT");
    vd::ProfileStore().writeString("System", "MapName", "札幌");
    auto doc = std::make_unique<CVeldoranDoc>();
    EXPECT_EQ(ReadBytes(Home() / "PALETTE" / "PLTTFILE.DAT"), Cp932Lines({"私の色$MINE.PLT", "海$SEA.PLT"}));
    EXPECT_EQ(ReadBytes(Home() / "MAPFILE.DAT"), Cp932Lines({"札幌"}));
}

TEST_F(DocumentDefaultFiles, FileExistsTellsOpenableFiles)
{
    WriteBytes(Home() / "Here.dat", "x");
    const std::string app = vd::applicationFolder();
    EXPECT_EQ(CVeldoranDoc::FileExists(app + "here.DAT"), 1);
    EXPECT_EQ(CVeldoranDoc::FileExists(app + "missing.dat"), -1);
    EXPECT_EQ(CVeldoranDoc::FileExists(app), -1);
    EXPECT_EQ(CVeldoranDoc::FileExists(""), -1);
}

} // namespace
