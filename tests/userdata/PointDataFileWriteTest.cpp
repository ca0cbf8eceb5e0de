// Appending, replacing and deleting records of the point data file: the other lines keep their
// bytes, lines past the list's bound and long lines survive, a missing file is never created.
#include "UserDataTestSupport.h"

#include "platform/text/Format.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;
using doctest::ReadBytes;

// "纊" as the NEC-selected code 0xED40: read and written again through UTF-8 it would become the
// IBM code 0xFA5C, so an untouched line must be written from its original bytes.
const std::string kNecLine = "\x8f\xea\x8f\x8a\xed\x40 35.1000 139.1000 \x8d\x80\x96\xda"; // 場所纊 ... 項目
const std::string kComment = vd::utf8ToCp932("; 登録地点");
const std::string kTokyo = vd::utf8ToCp932("東京駅 35.4052 139.4600 駅舎 C:\\Pics\\Tokyo.jpg");
const std::string kAlbum = vd::utf8ToCp932("旅行 35.3000 139.3000 ***** C:\\ALBUM\\Trip.alb C:\\ALBUM\\Trip.alb");
const std::string kFuji = vd::utf8ToCp932("富士山 35.2139 138.4338 山岳 @:TEXT\\fuji.txt");

std::string LongLine()
{
    std::string name;
    for (int n = 0; n < 120; ++n)
        name += "長";
    return vd::utf8ToCp932(name + " 35.3000 139.3000 長い名前 @:TEXT\\long.txt");
}

std::string Join(const std::vector<std::string>& rawLines)
{
    std::string bytes;
    for (const std::string& line : rawLines)
        bytes += line + "\r\n";
    return bytes;
}

class PointDataFileWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        original = {kComment, kNecLine, kTokyo, "", kAlbum, LongLine(), kFuji};
        data = WriteFixture("SOURCE/history.dat", Join(original));
        doc->registered.m_strDataFile = data.winPath;
    }
    std::unique_ptr<CVeldoranDoc> doc;
    std::vector<std::string> original;
    Fixture data;
};

TEST_F(PointDataFileWrite, AppendAddsOneLineAndNeverCreatesTheFile)
{
    EXPECT_TRUE(doc->AppendRecord("新しい 35.1000 139.1000 項目"));
    EXPECT_EQ(ReadBytes(data.file), Join(original) + vd::utf8ToCp932("新しい 35.1000 139.1000 項目\r\n"));

    doc->registered.m_strDataFile = vd::applicationFolder() + "SOURCE\\Source9.dat";
    EXPECT_FALSE(doc->AppendRecord("x 35.1 139.1 y"));
    EXPECT_FALSE(doctest::fs::exists(doctest::Home() / "SOURCE" / "Source9.dat"));

    // A file whose last line has no line end gets one before the new line.
    doctest::WriteBytes(data.file, kTokyo);
    doc->registered.m_strDataFile = data.winPath;
    EXPECT_TRUE(doc->AppendRecord("次 35.1 139.1 y"));
    EXPECT_EQ(ReadBytes(data.file), kTokyo + "\r\n" + vd::utf8ToCp932("次 35.1 139.1 y\r\n"));
}

TEST_F(PointDataFileWrite, WritersUseTheGuideMapsPointFileWhileAGuideMapIsShown)
{
    const Fixture guide = WriteFixture("GUIDEMAP/park.dat", Join({kTokyo}));
    doc->position.m_nMapType = 4;
    doc->menus.m_astrGuideMapCurrent[2] = guide.winPath;
    EXPECT_TRUE(doc->AppendRecord("池 500 250 池"));
    EXPECT_TRUE(doc->ReplaceRecord(0, "駅 600 300 駅", "tokyo.jpg"));
    EXPECT_EQ(ReadBytes(guide.file), Join({vd::utf8ToCp932("駅 600 300 駅"), vd::utf8ToCp932("池 500 250 池")}));
    EXPECT_EQ(ReadBytes(data.file), Join(original));
}

TEST_F(PointDataFileWrite, ReplaceChangesTheFirstLineHoldingTheKeyAndKeepsTheOthersBytes)
{
    // Mode 1 appends the key in lower case; the key is found whatever its case.
    const std::string updated = "旅行記 35.3000 139.3000 思い出 ";
    EXPECT_TRUE(doc->ReplaceRecord(1, updated, "C:\\ALBUM\\TRIP.ALB"));
    std::vector<std::string> expected = {kComment, kNecLine, kTokyo, vd::utf8ToCp932(updated + "c:\\album\\trip.alb"),
                                         LongLine(), kFuji};
    EXPECT_EQ(ReadBytes(data.file), Join(expected));
    // The list holds the file's lines as the rewrite saw them, the new text included.
    EXPECT_EQ(doc->m_astrPointRecord[3], updated + "c:\\album\\trip.alb");
    EXPECT_EQ(doc->m_astrPointRecord[6], "999");

    EXPECT_TRUE(doc->ReplaceRecord(0, "東京 35.4052 139.4600 駅", "TOKYO.JPG"));
    expected[2] = vd::utf8ToCp932("東京 35.4052 139.4600 駅");
    EXPECT_EQ(ReadBytes(data.file), Join(expected));
}

TEST_F(PointDataFileWrite, ReplaceWithoutAMatchOrAKeyWritesNothing)
{
    EXPECT_FALSE(doc->ReplaceRecord(0, "x 35.1 139.1 y", "nowhere.txt"));
    EXPECT_FALSE(doc->ReplaceRecord(0, "x 35.1 139.1 y", ""));
    EXPECT_EQ(ReadBytes(data.file), Join(original));

    doc->registered.m_strDataFile = vd::applicationFolder() + "SOURCE\\Source9.dat";
    EXPECT_FALSE(doc->ReplaceRecord(0, "x 35.1 139.1 y", "x"));
    EXPECT_EQ(doc->m_astrPointRecord[0], "999");
    EXPECT_FALSE(doctest::fs::exists(doctest::Home() / "SOURCE" / "Source9.dat"));
}

TEST_F(PointDataFileWrite, DeleteNeedsTheKeyAndTheExactKey)
{
    // The album is found by its path (alternative key) and its item (exact, case-sensitive).
    EXPECT_FALSE(doc->DeleteRecord(data.winPath, "", "c:\\album\\trip.alb", "*****X"));
    EXPECT_EQ(ReadBytes(data.file), Join(original));
    EXPECT_FALSE(doc->DeleteRecord(data.winPath, "", "", ""));
    EXPECT_EQ(ReadBytes(data.file), Join(original));

    EXPECT_TRUE(doc->DeleteRecord(data.winPath, "", "c:\\album\\trip.alb", "*****"));
    EXPECT_EQ(ReadBytes(data.file), Join({kComment, kNecLine, kTokyo, LongLine(), kFuji}));
    // The list keeps what was read before the deletion.
    EXPECT_EQ(doc->m_astrPointRecord[3], vd::cp932ToUtf8(kAlbum));
}

TEST_F(PointDataFileWrite, DeletingTheFirstLineLeavesAnEmptyLineThatReadsSkip)
{
    EXPECT_TRUE(doc->DeleteRecord(data.winPath, "登録地点", "", ";"));
    EXPECT_EQ(ReadBytes(data.file), Join({"", kNecLine, kTokyo, kAlbum, LongLine(), kFuji}));
    doc->LoadRecordList(data.winPath, "first");
    EXPECT_EQ(doc->m_astrPointRecord[0], vd::cp932ToUtf8(kNecLine));
}

TEST_F(PointDataFileWrite, RewritesKeepLinesPastTheListsBound)
{
    std::vector<std::string> lines;
    for (int n = 0; n < 5100; ++n)
        lines.push_back(vd::utf8ToCp932(vd::format("地点%d 35.3000 139.3000 項目%d", n, n)));
    doctest::WriteBytes(data.file, Join(lines));

    EXPECT_TRUE(doc->ReplaceRecord(0, "置換 35.3000 139.3000 項目", "項目5050"));
    lines[5050] = vd::utf8ToCp932("置換 35.3000 139.3000 項目");
    EXPECT_EQ(ReadBytes(data.file), Join(lines));
    EXPECT_EQ(doc->m_astrPointRecord[4999], "999");

    EXPECT_TRUE(doc->DeleteRecord(data.winPath, "項目10", "", "地点10 "));
    lines.erase(lines.begin() + 10);
    EXPECT_EQ(ReadBytes(data.file), Join(lines));
}

} // namespace
