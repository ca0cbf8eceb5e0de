#include "basemap/files/ElevationMeshFile.h"
#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using basemap_test::FixtureFolder;

// An index line with the latitude "DD.MM" at column 22 and the longitude at column 32.
std::string IndexLine(const std::string& latitude, const std::string& longitude)
{
    std::string line = "5339     name        ";
    line.resize(22, ' ');
    line += latitude + "00";
    line.resize(32, ' ');
    return line + longitude + ".0000 sheet";
}

// A .sem record of one row: 320 values from a function of the column, CR LF ended.
std::string SemRecord(int row, const std::function<std::string(int)>& value)
{
    std::string record = "533901" + std::string(3 - std::to_string(row).size(), '0') + std::to_string(row);
    for (int column = 0; column < kElevationMeshSide; ++column)
        record += value(column);
    return record + "\r\n";
}

// 1010 characters in text mode: the line end counts as one.
std::string SemHeader() { return std::string(1009, 'H') + "\r\n"; }

std::string Five(int value)
{
    std::string text = std::to_string(value);
    return std::string(5 - text.size(), '0') + text;
}

class GreyscaleSheets : public ::testing::Test {
protected:
    GreyscaleSheets()
    {
        std::filesystem::remove_all(folder.LinuxPath() / "app");
        std::filesystem::remove_all(folder.LinuxPath() / "sem");
    }
    void WriteIndex(const std::vector<std::string>& lines) { folder.WriteText("app/BLCMAP20.IDX", lines); }
    void Make()
    {
        vd::RecordingDc dc;
        OnMapFigureMakeModule(&dc, 640, 480, folder.Windows() + "sem\\", folder.Windows() + "app\\");
        texts.clear();
        for (const auto& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::TextOut)
                texts.push_back(call.op.text);
    }
    std::filesystem::path Bitmap(int code) const
    {
        return folder.LinuxPath() / "app" / "MAPFGRS" / (std::to_string(code) + ".bmp");
    }
    std::string BitmapBytes(int code) const
    {
        std::ifstream in(Bitmap(code), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    FixtureFolder folder;
    std::vector<std::string> texts;
};

TEST(ElevationGreyLevel, MapsValuesToGrey)
{
    const struct {
        const char* value;
        int grey;
    } cases[] = {{"01499", 10}, {"00149", 1}, {"00150", 2}, {"99999", 255}, {"38100", 255}, {"38099", 254},
                 {"-9999", 0},  {"-0012", 1}, {"-0900", 0}, {"12a45", 0},  {"+0012", 0},  {"    0", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ElevationGreyLevel(c.value), c.grey) << c.value;
}

TEST_F(GreyscaleSheets, WritesTheSheetBitmapByteExact)
{
    WriteIndex({"; comment", "", IndexLine("35.20", "139")});
    // Row r (1-based) holds elevation 150 x (r + column) at even columns, so pixel (x, y) shows
    // grey (2y + 1 + 2x) + 1 (capped at 255); odd columns and rows would show otherwise.
    std::string sem = SemHeader();
    for (int row = 1; row <= kElevationMeshSide; ++row)
        sem += SemRecord(row, [&](int column) { return column % 2 ? "-9999" : Five(std::min(150 * (row + column), 99999)); });
    sem += SemRecord(0, [](int) { return "99999"; });   // outside 1-320: ignored
    sem += SemRecord(321, [](int) { return "99999"; });
    sem += "5339010010000"; // a cut record ends reading
    folder.WriteBytes("sem/5339.sem", sem);
    Make();

    std::string expected = "BM";
    auto int32 = [&](int v) { for (int i = 0; i < 4; ++i) expected += char((v >> (8 * i)) & 0xff); };
    auto int16 = [&](int v) { expected += char(v & 0xff); expected += char(v >> 8); };
    int32(26678), int32(0), int32(1078), int32(40), int32(160), int32(160), int16(1), int16(8), int32(0),
        int32(25600);
    expected.append(16, '\0');
    for (int i = 0; i < 256; ++i)
        expected += {char(i), char(i), char(i), '\0'};
    for (int y = 159; y >= 0; --y)
        for (int x = 0; x < 160; ++x)
            expected += char(std::min((2 * y + 1 + 2 * x) + 1, 255));
    const std::string bytes = BitmapBytes(5339);
    ASSERT_EQ(bytes.size(), 26678u);
    EXPECT_TRUE(bytes == expected);
    EXPECT_EQ(texts.front(), "数値地図250mメッシュからグレースケール地図(段彩図用)を作成");
    EXPECT_EQ(texts[1], "数値地図     No=0/174     グレースケール地図作成中   ");
    EXPECT_EQ(texts.back(), "しばらくお待ちください！ ");
}

TEST_F(GreyscaleSheets, MakesCodesFrom1000To7000AndTheFolderWhenMissing)
{
    // Codes 999, 1000, 7000 and 7001; a bad latitude and a longitude below 100 make no code.
    WriteIndex({IndexLine("06.00", "199"), IndexLine("06.40", "100"), IndexLine("46.40", "100"),
                IndexLine("46.40", "101"), IndexLine("3x.20", "139"), IndexLine("35.20", "099")});
    ASSERT_FALSE(std::filesystem::exists(folder.LinuxPath() / "app" / "MAPFGRS"));
    Make();
    EXPECT_FALSE(std::filesystem::exists(Bitmap(999)));
    EXPECT_FALSE(std::filesystem::exists(Bitmap(7001)));
    for (int code : {1000, 7000}) {
        // Without its .sem a sheet's new bitmap is black.
        const std::string bytes = BitmapBytes(code);
        ASSERT_EQ(bytes.size(), 26678u) << code;
        EXPECT_EQ(bytes.find_first_not_of('\0', 1078), std::string::npos) << code;
    }
    // The progress still counts the skipped first line.
    EXPECT_EQ(texts[1], "数値地図     No=1/174     グレースケール地図作成中   ");
}

TEST_F(GreyscaleSheets, AMissingSemNeverBlackensAMadeBitmap)
{
    WriteIndex({IndexLine("35.20", "139")});
    folder.WriteBytes("app/MAPFGRS/5339.bmp", "made before");
    Make();
    EXPECT_EQ(BitmapBytes(5339), "made before");
}

TEST_F(GreyscaleSheets, AMissingIndexWritesNothing)
{
    Make();
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / "app" / "MAPFGRS"));
    EXPECT_EQ(texts.size(), 1u);
}

} // namespace
